#include "files/text_file_io.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <wx/log.h>

namespace {

std::string LocalPath(const wxString& path)
{
    return std::string(path.fn_str());
}

/// True when the bytes form valid UTF-8 (no overlong forms or surrogates).
bool IsValidUtf8(const std::string& s)
{
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const size_t n = s.size();
    size_t i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        size_t len = 0;
        uint32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            len = 2;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + len > n)
            return false;
        for (size_t k = 1; k < len; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        static const uint32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

wxString DecodeLine(const std::string& line)
{
    if (IsValidUtf8(line))
        return wxString::FromUTF8(line.data(), line.size());
    return wxString(line.data(), wxConvISO8859_1, line.size());
}

bool WriteAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

/// Links the system follows in one path before it gives up with ELOOP: 40
/// on Linux (open, stat and realpath alike); the C library names no limit.
constexpr int kMaxLinkHops = 40;

/// The path that a chain of symbolic links ends at (the path itself when it
/// is no link); a link to a file not yet made gives that file's path. False,
/// with errno set, when the system would not follow the chain itself: a loop,
/// or more links than it follows. Replacing whatever link the walk stopped at
/// would turn that link into a plain file and leave the real file as it was.
bool FollowLinks(std::string path, std::string* end)
{
    // The system's own verdict first: it counts the links of the folders on
    // the way too. A link to a missing file passes (ENOENT); that file is
    // made.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 && errno == ELOOP)
        return false;
    for (int hop = 0;; ++hop) {
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            *end = path;
            return true;
        }
        if (hop == kMaxLinkHops) { // the chain grew since the check above
            errno = ELOOP;
            return false;
        }
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), &link[0], link.size());
        if (n < 0)
            return false;
        if (n == 0 || static_cast<size_t>(n) >= link.size()) {
            errno = n == 0 ? ENOENT : ENAMETOOLONG;
            return false;
        }
        link.resize(static_cast<size_t>(n));
        // A relative target is relative to the link's folder.
        const size_t slash = path.rfind('/');
        if (link[0] != '/' && slash != std::string::npos)
            link.insert(0, path, 0, slash + 1);
        path = link;
    }
}

/// The mkstemp pattern for a file beside the target: ".NAME.XXXXXX", with
/// the name cut (at a character's start) so that the whole stays within the
/// folder's limit for a name.
std::string TemporaryName(const std::string& folder, const std::string& name)
{
    const std::string suffix = ".XXXXXX";
    long limit = ::pathconf(folder.empty() ? "/" : folder.c_str(), _PC_NAME_MAX);
    if (limit <= 0)
        limit = NAME_MAX;
    const size_t room = static_cast<size_t>(std::max<long>(limit - 1 - long(suffix.size()), 0));
    size_t keep = std::min(name.size(), room);
    while (keep > 0 && keep < name.size() && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80)
        --keep;
    return "." + name.substr(0, keep) + suffix;
}

} // namespace

FileReadResult ReadFileBytes(const wxString& path, std::string* bytes)
{
    const std::string local = LocalPath(path);
    // O_NONBLOCK keeps a FIFO without a writer from blocking the open.
    const int fd = ::open(local.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return FileReadResult::OpenFailed;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return FileReadResult::OpenFailed;
    }
    if (static_cast<unsigned long long>(st.st_size) > kMaxReadableFileSize) {
        ::close(fd);
        return FileReadResult::TooLarge;
    }
    // One byte more than the file's size shows whether it grew meanwhile.
    std::string data;
    data.resize(static_cast<size_t>(st.st_size) + 1);
    size_t got = 0;
    for (;;) {
        const ssize_t n = ::read(fd, &data[got], data.size() - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return FileReadResult::OpenFailed;
        }
        if (n == 0)
            break;
        got += static_cast<size_t>(n);
        if (got == data.size()) { // the file grew while being read
            if (got > kMaxReadableFileSize) {
                ::close(fd);
                return FileReadResult::TooLarge;
            }
            data.resize(std::min(data.size() * 2, kMaxReadableFileSize + 1));
        }
    }
    ::close(fd);
    data.resize(got);
    *bytes = std::move(data);
    return FileReadResult::Ok;
}

std::vector<wxString> SplitDecodedLines(const std::string& bytes)
{
    std::vector<wxString> lines;
    size_t start = 0;
    const size_t n = bytes.size();
    for (size_t i = 0; i < n; ++i) {
        if (bytes[i] != '\n' && bytes[i] != '\r')
            continue;
        lines.push_back(DecodeLine(bytes.substr(start, i - start)));
        if (bytes[i] == '\r' && i + 1 < n && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.push_back(DecodeLine(bytes.substr(start)));
    return lines;
}

wxString WithSystemReason(const wxString& message, int systemError)
{
    if (systemError == 0)
        return message;
    return message + "\n" + wxSysErrorMsgStr(static_cast<unsigned long>(systemError));
}

wxString SingleLine(const wxString& text)
{
    wxString line = text;
    line.Replace("\r", " ");
    line.Replace("\n", " ");
    return line;
}

FileWriteResult ReplaceFileContents(const wxString& path, const std::string& text, wxString* tempPath,
                                    int* systemError)
{
    int ignoredError = 0;
    int& error = systemError != nullptr ? *systemError : ignoredError;
    error = 0;
    // Through a symbolic link the file it points to is replaced; renaming
    // over the link itself would turn it into a plain file.
    std::string target;
    if (!FollowLinks(LocalPath(path), &target)) {
        error = errno;
        return FileWriteResult::CannotCreate;
    }
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    // A target that exists but may not be written is refused, as it would be
    // on systems where a read-only file cannot be replaced.
    if (exists && ::access(target.c_str(), W_OK) != 0) {
        error = errno;
        return FileWriteResult::CannotReplace;
    }

    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temp = (slash == std::string::npos ? "" : folder + "/") + TemporaryName(folder, name);
    const int fd = ::mkstemp(&temp[0]);
    if (fd < 0) {
        error = errno;
        return FileWriteResult::CannotCreate;
    }
    if (tempPath != nullptr)
        *tempPath = wxString(temp.c_str(), *wxConvFileName);

    // A file-size limit would otherwise end the program with SIGXFSZ instead
    // of failing the write.
    void (*previous)(int) = std::signal(SIGXFSZ, SIG_IGN);
    bool ok = WriteAll(fd, text.data(), text.size());
    if (!ok)
        error = errno;
    std::signal(SIGXFSZ, previous == SIG_ERR ? SIG_DFL : previous);
    if (ok && ::fsync(fd) != 0) {
        error = errno;
        ok = false;
    }
    if (exists) {
        // The replaced file's group (when the user may give it) and its
        // permission bits stay; the group first, as a change of group clears
        // the set-group-ID bit.
        if (existing.st_gid != getegid())
            (void)!::fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
        ::fchmod(fd, existing.st_mode & 07777);
    } else {
        // New files get the usual permissions, not mkstemp's private ones.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    if (::close(fd) != 0 && ok) {
        error = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return FileWriteResult::WriteFailed;
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        error = errno;
        ::unlink(temp.c_str());
        return FileWriteResult::RenameFailed;
    }
    return FileWriteResult::Ok;
}
