// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileIO.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kibbo {

namespace {

// A file descriptor closed on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int get() const { return m_fd; }
    // Closing reports the last delayed write error on some file systems.
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The new file keeps the permissions of the one it replaces; a first file
// is readable by all and writable by its owner, as an editor would make it.
mode_t ModeFor(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0)
        return info.st_mode & 07777;
    return 0644;
}

} // namespace

std::string_view TakeLine(std::string_view& bytes)
{
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    return line;
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes.toStdString();
}

Loaded<std::string> ReadSmallFile(const std::string& path, std::size_t limit)
{
    // Not blocking: a pipe put where a file belongs must not hang the game.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return {{}, ReadState::Missing};
        return {{}, ReadState::Unreadable, 0, error};
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return {{}, ReadState::Unreadable, 0, errno};
    // A folder, a pipe or a device where the file belongs.
    if (!S_ISREG(info.st_mode))
        return {{}, ReadState::Unreadable, 0, S_ISDIR(info.st_mode) ? EISDIR : EINVAL};
    if (info.st_size > static_cast<off_t>(limit))
        return {{}, ReadState::TooLarge};
    // The size is checked again while reading: the file may grow meanwhile.
    std::string bytes(limit + 1, '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(fd.get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return {{}, ReadState::Unreadable, 0, errno};
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    if (filled > limit)
        return {{}, ReadState::TooLarge};
    bytes.resize(filled);
    return {std::move(bytes), ReadState::Loaded};
}

WriteResult WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    std::string temporary = path + ".saving-XXXXXX";
    Descriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return {errno};
    errno = 0;
    const bool written = ::fchmod(fd.get(), ModeFor(path)) == 0 && WriteAll(fd.get(), bytes)
                         && ::fsync(fd.get()) == 0 && fd.close()
                         && ::rename(temporary.c_str(), path.c_str()) == 0;
    if (!written) {
        // Each step that fails says why in errno.
        const int error = errno != 0 ? errno : ENOSPC;
        ::unlink(temporary.c_str());
        return {error};
    }
    // The rename itself is on the disk once the folder is flushed. The new
    // file is in place either way; a folder that cannot be flushed (some
    // network file systems) is no reason to report a failed save.
    Descriptor folder(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
    return {};
}

} // namespace kibbo
