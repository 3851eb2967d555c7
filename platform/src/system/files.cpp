// Files, folders, the environment and messages for error codes, as the Win32 functions
// a desktop program calls for them. Paths and text are UTF-8; errors are Win32 codes
// through GetLastError.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <map>
#include <string>

#include "kernel/internal.h"
#include "system/files.h"

namespace platform {
namespace {

// The open files and folder searches, by handle.
struct Search {
    DIR* dir;
    std::string folder;
};

struct Handles {
    std::map<uintptr_t, int> files;
    std::map<uintptr_t, Search> searches;
    uintptr_t next = 0x40000;
};

Handles& OpenHandles() {
    static Handles handles;
    return handles;
}

HANDLE NewHandle() {
    auto& h = OpenHandles();
    h.next += 4;
    return reinterpret_cast<HANDLE>(h.next);
}

// Answers what the call answers on failure, having set the Win32 code for errno.
template <class T>
T Fail(T answer) {
    SetLastError(Win32ErrorOf(errno));
    return answer;
}

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        ssize_t n = write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= size_t(n);
    }
    return true;
}

// Copies the contents; on any failure the partial copy is removed.
bool CopyContents(int from, const char* to, mode_t mode, bool failIfExists) {
    int out = open(to, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | (failIfExists ? O_EXCL : 0), mode & 07777);
    if (out < 0) return false;
    char buffer[65536];
    ssize_t n;
    bool ok = true;
    while (ok && (n = read(from, buffer, sizeof buffer)) != 0) {
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0 && WriteAll(out, buffer, size_t(n));
    }
    // A full disk may only show when the data is written out.
    ok = ok && fsync(out) == 0;
    int saved = errno;
    ok = close(out) == 0 && ok;
    if (!ok) {
        unlink(to);
        errno = saved ? saved : EIO;
    }
    return ok;
}

bool FillFound(DIR* dir, const std::string& folder, WIN32_FIND_DATAA* found) {
    while (dirent* entry = readdir(dir)) {
        *found = WIN32_FIND_DATAA{};
        size_t length = strnlen(entry->d_name, sizeof found->cFileName);
        if (length >= sizeof found->cFileName) continue;
        std::memcpy(found->cFileName, entry->d_name, length + 1);
        struct stat st{};
        bool folderEntry = lstat((folder + "/" + entry->d_name).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
        found->dwFileAttributes = folderEntry ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
        found->nFileSizeLow = DWORD(st.st_size);
        found->nFileSizeHigh = DWORD(uint64_t(st.st_size) >> 32);
        return true;
    }
    return false;
}

const char* MessageFor(DWORD code) {
    switch (code) {
    case ERROR_SUCCESS: return "The operation completed successfully.";
    case ERROR_FILE_NOT_FOUND: return "The system cannot find the file specified.";
    case ERROR_PATH_NOT_FOUND: return "The system cannot find the path specified.";
    case ERROR_ACCESS_DENIED: return "Access is denied.";
    case ERROR_FILE_EXISTS: return "The file exists.";
    case ERROR_DISK_FULL: return "There is not enough space on the disk.";
    case ERROR_DIR_NOT_EMPTY: return "The directory is not empty.";
    case ERROR_ALREADY_EXISTS: return "Cannot create a file when that file already exists.";
    case ERROR_FILENAME_EXCED_RANGE: return "The filename or extension is too long.";
    case ERROR_INVALID_HANDLE: return "The handle is invalid.";
    default: return nullptr;
    }
}

}  // namespace

int ReadWholeFile(const std::string& path, std::string& text) {
    text.clear();
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    char chunk[8192];
    ssize_t n;
    while ((n = read(fd, chunk, sizeof chunk)) > 0 || (n < 0 && errno == EINTR))
        if (n > 0) text.append(chunk, size_t(n));
    int error = n < 0 ? errno : 0;
    close(fd);
    return error;
}

DWORD Win32ErrorOf(int error) {
    switch (error) {
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EROFS: return ERROR_ACCESS_DENIED;
    case EEXIST: return ERROR_ALREADY_EXISTS;
    case ENOSPC:
    case EDQUOT: return ERROR_DISK_FULL;
    case ENOTEMPTY: return ERROR_DIR_NOT_EMPTY;
    case ENAMETOOLONG: return ERROR_FILENAME_EXCED_RANGE;
    default: return ERROR_GEN_FAILURE;
    }
}

bool IsFileHandle(HANDLE handle) { return OpenHandles().files.count(reinterpret_cast<uintptr_t>(handle)) != 0; }

bool CloseFileHandle(HANDLE handle) {
    auto& h = OpenHandles();
    auto it = h.files.find(reinterpret_cast<uintptr_t>(handle));
    if (it == h.files.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    int fd = it->second;
    h.files.erase(it);
    if (close(fd) != 0) return Fail(false);
    return true;
}

}  // namespace platform

using namespace platform;

DWORD GetEnvironmentVariableA(LPCSTR name, LPSTR buffer, DWORD size) {
    const char* value = name ? std::getenv(name) : nullptr;
    if (!value) {
        SetLastError(ERROR_ENVVAR_NOT_FOUND);
        return 0;
    }
    size_t length = std::strlen(value);
    if (!buffer || size <= length) return DWORD(length + 1);
    std::memcpy(buffer, value, length + 1);
    return DWORD(length);
}

DWORD GetFileAttributesA(LPCSTR path) {
    struct stat st{};
    if (!path || stat(path, &st) != 0) return Fail(INVALID_FILE_ATTRIBUTES);
    return S_ISDIR(st.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
}

BOOL CreateDirectoryA(LPCSTR path, void*) { return path && mkdir(path, 0777) == 0 ? TRUE : Fail(FALSE); }

BOOL RemoveDirectoryA(LPCSTR path) { return path && rmdir(path) == 0 ? TRUE : Fail(FALSE); }

BOOL DeleteFileA(LPCSTR path) { return path && unlink(path) == 0 ? TRUE : Fail(FALSE); }

// The copy keeps the original's permissions, so a program stays a program.
BOOL CopyFileA(LPCSTR existing, LPCSTR copy, BOOL failIfExists) {
    if (!existing || !copy) return Fail(FALSE);
    int in = open(existing, O_RDONLY | O_CLOEXEC);
    struct stat st{};
    if (in < 0) return Fail(FALSE);
    bool ok = fstat(in, &st) == 0 && S_ISREG(st.st_mode) && CopyContents(in, copy, st.st_mode, failIfExists);
    int saved = errno;
    close(in);
    errno = saved;
    return ok ? TRUE : Fail(FALSE);
}

// A rename: it happens whole or not at all, so a half-moved file is never seen.
BOOL MoveFileExA(LPCSTR existing, LPCSTR moved, DWORD flags) {
    if (!existing || !moved) return Fail(FALSE);
    if (flags & MOVEFILE_REPLACE_EXISTING) return rename(existing, moved) == 0 ? TRUE : Fail(FALSE);
#ifdef RENAME_NOREPLACE
    return renameat2(AT_FDCWD, existing, AT_FDCWD, moved, RENAME_NOREPLACE) == 0 ? TRUE : Fail(FALSE);
#else
    // A system that cannot refuse to replace in the same step (a browser's) refuses the move,
    // as a file system without that facility does.
    errno = ENOSYS;
    return Fail(FALSE);
#endif
}

BYTE CreateSymbolicLinkA(LPCSTR link, LPCSTR target, DWORD) {
    return link && target && symlink(target, link) == 0 ? 1 : Fail(BYTE(0));
}

// Only "FOLDER/*" is searched for: every entry of the folder, "." and ".." included.
HANDLE FindFirstFileA(LPCSTR pattern, WIN32_FIND_DATAA* found) {
    std::string text = pattern ? pattern : "";
    if (!found || text.size() < 2 || text.compare(text.size() - 2, 2, "/*") != 0) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    std::string folder = text.substr(0, text.size() - 2);
    DIR* dir = opendir(folder.c_str());
    if (!dir) return Fail(INVALID_HANDLE_VALUE);
    if (!FillFound(dir, folder, found)) {
        closedir(dir);
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    HANDLE h = NewHandle();
    OpenHandles().searches[reinterpret_cast<uintptr_t>(h)] = Search{dir, folder};
    return h;
}

BOOL FindNextFileA(HANDLE search, WIN32_FIND_DATAA* found) {
    auto& searches = OpenHandles().searches;
    auto it = searches.find(reinterpret_cast<uintptr_t>(search));
    if (it == searches.end() || !found) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (FillFound(it->second.dir, it->second.folder, found)) return TRUE;
    SetLastError(ERROR_NO_MORE_FILES);
    return FALSE;
}

BOOL FindClose(HANDLE search) {
    auto& searches = OpenHandles().searches;
    auto it = searches.find(reinterpret_cast<uintptr_t>(search));
    if (it == searches.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    closedir(it->second.dir);
    searches.erase(it);
    return TRUE;
}

// Files are opened for writing only, created new or replaced, which is all the programs do.
HANDLE CreateFileA(LPCSTR path, DWORD access, DWORD, void*, DWORD disposition, DWORD, HANDLE) {
    if (!path || access != GENERIC_WRITE || (disposition != CREATE_ALWAYS && disposition != CREATE_NEW)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (disposition == CREATE_NEW ? O_EXCL : O_TRUNC);
    int fd = open(path, flags, 0666);
    if (fd < 0) return Fail(INVALID_HANDLE_VALUE);
    HANDLE h = NewHandle();
    OpenHandles().files[reinterpret_cast<uintptr_t>(h)] = fd;
    return h;
}

BOOL WriteFile(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, void*) {
    auto& files = OpenHandles().files;
    auto it = files.find(reinterpret_cast<uintptr_t>(file));
    if (written) *written = 0;
    if (it == files.end() || (!data && size)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!WriteAll(it->second, static_cast<const char*>(data), size)) return Fail(FALSE);
    if (written) *written = size;
    return TRUE;
}

DWORD FormatMessageA(DWORD flags, LPCVOID, DWORD id, DWORD, LPSTR buffer, DWORD size, void*) {
    const char* text = (flags & FORMAT_MESSAGE_FROM_SYSTEM) ? MessageFor(id) : nullptr;
    if (!text || !buffer || size == 0) return 0;
    size_t length = std::min(std::strlen(text), size_t(size - 1));
    std::memcpy(buffer, text, length);
    buffer[length] = 0;
    return DWORD(length);
}
