// Reading and replacing the program's small text files safely: readers take
// only regular files up to a size limit; writers replace a file whole or not
// at all.
#pragma once

#include <string>
#include <vector>

#include <wx/string.h>

/// Largest file any reader takes (a file of exactly this size is still read).
constexpr size_t kMaxReadableFileSize = 1024 * 1024;

enum class FileReadResult {
    Ok,
    OpenFailed, ///< missing, unreadable, or not a regular file (a folder, FIFO, device)
    TooLarge    ///< more than kMaxReadableFileSize bytes
};

/// Reads the whole file as bytes.
FileReadResult ReadFileBytes(const wxString& path, std::string* bytes);

/// Splits bytes into lines at LF, CR LF or a lone CR, without the line ends.
/// Each line is decoded as UTF-8 when it is valid UTF-8, else as Latin-1, so
/// a file in an older 8-bit encoding loses no line.
std::vector<wxString> SplitDecodedLines(const std::string& bytes);

/// The text with every CR and LF turned into a blank. Writers pass each
/// field through it: a line break pasted into a single-line field would
/// otherwise start a line of its own, which the reader takes as a key line.
wxString SingleLine(const wxString& text);

enum class FileWriteResult {
    Ok,
    CannotReplace, ///< the target exists and may not be written
    CannotCreate,  ///< no temporary file could be made beside the target, or the
                   ///< path's symbolic links lead to no file (a loop, too long a chain)
    WriteFailed,   ///< a write or the flush failed
    RenameFailed   ///< the whole file was written but could not take the target's place
};

/// Writes text (UTF-8) to a temporary file in the target's folder, checks
/// every write, then renames it over the target. On any failure the old file
/// is untouched and the temporary file is gone. tempPath, when given,
/// receives the temporary file's path (for a message about the rename);
/// systemError the failure's errno (0 on success). A replaced file keeps its
/// permission bits; through a symbolic link the file it points to is
/// replaced and the link stays. A path whose links the system would not
/// follow (ELOOP) is refused and nothing changes.
FileWriteResult ReplaceFileContents(const wxString& path, const std::string& text,
                                    wxString* tempPath = nullptr, int* systemError = nullptr);

/// The message of a failed save: the given text, then on a line of its own
/// the system's reason for errno (nothing more for 0).
wxString WithSystemReason(const wxString& message, int systemError);
