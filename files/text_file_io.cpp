#include "files/text_file_io.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <wx/filename.h>

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
    // Room for the size the file has now and one byte more, to notice a
    // file that grows while it is read; zero-filling the whole limit would
    // cost more than reading a small file.
    std::string data;
    data.resize(static_cast<size_t>(st.st_size) + 1);
    size_t got = 0;
    for (;;) {
        if (got == data.size())
            data.resize(std::min(data.size() * 2, kMaxReadableFileSize + 1));
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
        if (got > kMaxReadableFileSize) { // the file grew while being read
            ::close(fd);
            return FileReadResult::TooLarge;
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

FileWriteResult ReplaceFileContents(const wxString& path, const std::string& text)
{
    const std::string target = LocalPath(path);
    // A target that exists but may not be written is refused, as it would be
    // on systems where a read-only file cannot be replaced.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0)
        return FileWriteResult::CannotReplace;

    wxFileName name(path);
    std::string folder = LocalPath(name.GetPath());
    if (folder.empty())
        folder = ".";
    std::string temp = folder + "/." + LocalPath(name.GetFullName()) + ".XXXXXX";
    const int fd = ::mkstemp(&temp[0]);
    if (fd < 0)
        return FileWriteResult::CannotCreate;

    // A file-size limit would otherwise end the program with SIGXFSZ instead
    // of failing the write.
    void (*previous)(int) = std::signal(SIGXFSZ, SIG_IGN);
    bool ok = WriteAll(fd, text.data(), text.size());
    std::signal(SIGXFSZ, previous == SIG_ERR ? SIG_DFL : previous);
    ok = ::fsync(fd) == 0 && ok;
    // New files get the usual permissions, not mkstemp's private ones.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return FileWriteResult::WriteFailed;
    }
    return FileWriteResult::Ok;
}
