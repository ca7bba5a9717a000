#include "history/text_list_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace morvelin {

namespace {

Failure ReadFailure(const QString &fileName, const QString &reason)
{
    return {QStringLiteral("%1 kan niet gelezen worden: %2.").arg(fileName, reason)};
}

Failure WriteFailure(const QString &fileName, const QString &reason)
{
    return {QStringLiteral("%1 kan niet bewaard worden: %2. Het bestand is niet veranderd.")
                .arg(fileName, reason)};
}

} // namespace

TextListStore::TextListStore(QString folder) : m_folder(std::move(folder)) {}

QString TextListStore::path(const QString &fileName) const
{
    return QDir(m_folder).filePath(fileName);
}

bool TextListStore::exists(const QString &fileName) const
{
    return QFileInfo::exists(path(fileName));
}

Result<TextList> TextListStore::read(const QString &fileName) const
{
    QFile file(path(fileName));
    if (QFileInfo(file).isDir())
        return ReadFailure(fileName, QStringLiteral("er staat een map met die naam"));
    if (!file.open(QIODevice::ReadOnly))
        return ReadFailure(fileName, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return ReadFailure(fileName, file.errorString());
    Result<TextList> list = DecodeTextList(bytes);
    if (!list)
        return ReadFailure(fileName, list.error());
    return list;
}

Status TextListStore::write(const QString &fileName, const TextList &list) const
{
    const QString target = path(fileName);
    if (QFileInfo(target).isDir())
        return WriteFailure(fileName, QStringLiteral("er staat een map met die naam"));
    QSaveFile file(target);
    // Unbuffered, so that a short write shows at once: Qt's buffered QSaveFile can commit
    // a file that a full disk cut short and still report success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return WriteFailure(fileName, file.errorString());
    const QByteArray bytes = EncodeTextList(list);
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return WriteFailure(fileName, reason);
        }
        done += written;
    }
    if (!file.commit())
        return WriteFailure(fileName, file.errorString());
    return Succeeded();
}

Status TextListStore::remove(const QString &fileName) const
{
    QFile file(path(fileName));
    if (!file.exists() || file.remove())
        return Succeeded();
    return Failure{
        QStringLiteral("%1 kan niet verwijderd worden: %2.").arg(fileName, file.errorString())};
}

} // namespace morvelin
