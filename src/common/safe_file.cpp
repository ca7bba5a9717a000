#include "common/safe_file.h"

#include <QFileInfo>

namespace morvelin {

namespace {

Failure WriteFailure(const QString &shownName, const QString &reason)
{
    return {QStringLiteral("%1 kan niet bewaard worden: %2. Het bestand is niet veranderd.")
                .arg(shownName, reason)};
}

} // namespace

Result<std::unique_ptr<QSaveFile>> PrepareFile(const QString &path, const QByteArray &bytes,
                                               const QString &shownName)
{
    if (QFileInfo(path).isDir())
        return WriteFailure(shownName, QStringLiteral("er staat een map met die naam"));
    auto file = std::make_unique<QSaveFile>(path);
    // Unbuffered, so that a short write shows at once: Qt's buffered QSaveFile can commit
    // a file that a full disk cut short and still report success.
    if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return WriteFailure(shownName, file->errorString());
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file->write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const QString reason = file->errorString();
            file->cancelWriting();
            return WriteFailure(shownName, reason);
        }
        done += written;
    }
    return file;
}

Status CommitFile(QSaveFile &file, const QString &shownName)
{
    if (!file.commit())
        return WriteFailure(shownName, file.errorString());
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
