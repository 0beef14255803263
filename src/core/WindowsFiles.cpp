#include "core/WindowsFiles.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>

namespace {

// Long paths are passed with the "\\?\" prefix, which lifts the 260-character limit.
std::wstring systemPath(const QString &path)
{
    QString native = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    if (native.startsWith(QStringLiteral("\\\\")))
        native = QStringLiteral("\\\\?\\UNC\\") + native.mid(2);
    else
        native = QStringLiteral("\\\\?\\") + native;
    return native.toStdWString();
}

} // namespace

QString windowsRefusal(const QString &path)
{
    const std::wstring file = systemPath(path);
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return QString();
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return QStringLiteral("the file is marked read-only (see its Properties)");
    // Opened for replacing as a save replaces it: sharing everything, so that only another
    // program's refusal to share can fail it.
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ | DELETE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        CloseHandle(handle);
        return QString();
    }
    if (GetLastError() == ERROR_SHARING_VIOLATION)
        return QStringLiteral("another program has it open, perhaps the game; try again once the game is "
                              "closed");
    return QString();
}

QString nameOnDisk(const QString &path)
{
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(systemPath(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return QFileInfo(path).fileName();
    FindClose(search);
    return QString::fromWCharArray(found.cFileName);
}

bool makeHardLink(const QString &existing, const QString &link)
{
    return CreateHardLinkW(systemPath(link).c_str(), systemPath(existing).c_str(), nullptr);
}

int hardLinkCount(const QString &path)
{
    const HANDLE handle =
        CreateFileW(systemPath(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return 0;
    BY_HANDLE_FILE_INFORMATION information{};
    const bool known = GetFileInformationByHandle(handle, &information);
    CloseHandle(handle);
    return known ? int(information.nNumberOfLinks) : 0;
}
