#include "common/safe_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace morvelin {

namespace {

// The complete new file gets this name beside the old one and then replaces it in one
// rename. QSaveFile would itself rename over an existing file from a name of six random
// letters; a program killed between its two steps leaves that copy behind, and such a
// name cannot be told from a user's own file. Ours can: the next write clears it.
const QString kNewFileSuffix = QStringLiteral(".morvelin-nieuw");

const QString kFolderInTheWay = QStringLiteral("er staat een map met die naam");

// A file reached through a link is replaced where it lies, as QSaveFile does, so a list
// kept elsewhere through a link stays there.
QString ReplacedFile(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; info.isSymLink() && depth < 32; ++depth)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

// What a write killed halfway left of the new file: the name itself, or one that
// QSaveFile made from it where the system cannot write a file without a name.
void RemoveLeftovers(const QString &newPath)
{
    const QFileInfo info(newPath);
    QDir folder = info.dir();
    const QString prefix = info.fileName();
    for (const QString &name : folder.entryList({prefix + u'*'}, QDir::Files | QDir::Hidden)) {
        if (name.startsWith(prefix))
            folder.remove(name);
    }
}

} // namespace

Failure ReadFailure(const QString &shownName, const QString &reason)
{
    return {QStringLiteral("%1 kan niet gelezen worden: %2.").arg(shownName, reason)};
}

Result<QByteArray> ReadWholeFile(const QString &path, const QString &shownName)
{
    QFile file(path);
    if (QFileInfo(file).isDir())
        return ReadFailure(shownName, kFolderInTheWay);
    if (!file.open(QIODevice::ReadOnly))
        return ReadFailure(shownName, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return ReadFailure(shownName, file.errorString());
    return bytes;
}

Failure SaveFailure(const QString &shownName, const QString &reason)
{
    return {QStringLiteral("%1 kan niet bewaard worden: %2. Het bestand is niet veranderd.")
                .arg(shownName, reason)};
}

Result<std::unique_ptr<QSaveFile>> PrepareFile(const QString &path, const QByteArray &bytes,
                                               const QString &shownName)
{
    const QString replaced = ReplacedFile(path);
    if (QFileInfo(replaced).isDir())
        return SaveFailure(shownName, kFolderInTheWay);
    const QString newPath = replaced + kNewFileSuffix;
    RemoveLeftovers(newPath);
    auto file = std::make_unique<QSaveFile>(newPath);
    // Unbuffered, so that a short write shows at once: Qt's buffered QSaveFile can commit
    // a file that a full disk cut short and still report success.
    if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return SaveFailure(shownName, file->errorString());
    // The new file keeps who may read the old one, as a diary kept private stays private.
    if (QFileInfo::exists(replaced))
        file->setPermissions(QFile::permissions(replaced));
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file->write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const QString reason = file->errorString();
            file->cancelWriting();
            return SaveFailure(shownName, reason);
        }
        done += written;
    }
    return file;
}

Status CommitFile(QSaveFile &file, const QString &shownName)
{
    const QString newPath = file.fileName();
    if (!file.commit())
        return SaveFailure(shownName, file.errorString());
    const QString replaced = newPath.chopped(kNewFileSuffix.size());
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(newPath).toStdString(),
                            QFile::encodeName(replaced).toStdString(), error);
    if (error) {
        QFile::remove(newPath);
        return SaveFailure(shownName, QString::fromLocal8Bit(error.message()));
    }
    return Succeeded();
}

Status SaveFileAtomically(const QString &path, const QByteArray &bytes, const QString &shownName)
{
    Result<std::unique_ptr<QSaveFile>> prepared = PrepareFile(path, bytes, shownName);
    if (!prepared)
        return Failure{prepared.error()};
    return CommitFile(**prepared, shownName);
}

} // namespace morvelin
