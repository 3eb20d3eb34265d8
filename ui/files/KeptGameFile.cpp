#include "KeptGameFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "SafeFileWriter.h"

QString KeptGamePath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("kept-game.txt"));
}

bool KeptGameExists() {
    return QFileInfo::exists(KeptGamePath());
}

std::optional<QString> KeepGame(const wuziqi::KeptGame& game) {
    const QString path = KeptGamePath();
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return QCoreApplication::translate("KeptGameFile", "无法创建文件夹 \"%1\"。")
            .arg(QDir::toNativeSeparators(folder));
    return WriteFileSafely(path, QByteArray::fromStdString(wuziqi::EncodeKeptGame(game)));
}
