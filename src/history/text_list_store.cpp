#include "history/text_list_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>
#include <vector>

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

// The list written out completely to the temporary file that will replace the target.
Result<std::unique_ptr<QSaveFile>> Prepare(const QString &target, const QString &fileName,
                                           const TextList &list)
{
    if (QFileInfo(target).isDir())
        return WriteFailure(fileName, QStringLiteral("er staat een map met die naam"));
    auto file = std::make_unique<QSaveFile>(target);
    // Unbuffered, so that a short write shows at once: Qt's buffered QSaveFile can commit
    // a file that a full disk cut short and still report success.
    if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return WriteFailure(fileName, file->errorString());
    const QByteArray bytes = EncodeTextList(list);
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file->write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const QString reason = file->errorString();
            file->cancelWriting();
            return WriteFailure(fileName, reason);
        }
        done += written;
    }
    return file;
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
    return writeAll({{fileName, list}});
}

Status TextListStore::writeAll(const QList<ListWrite> &writes) const
{
    // A temporary file that is never committed is removed with its QSaveFile.
    std::vector<std::unique_ptr<QSaveFile>> files;
    for (const ListWrite &write : writes) {
        Result<std::unique_ptr<QSaveFile>> prepared =
            Prepare(path(write.fileName), write.fileName, write.list);
        if (!prepared)
            return Failure{prepared.error()};
        files.push_back(std::move(prepared).value());
    }
    // Only a rename that fails after every byte was written could still leave the
    // files apart; it is reported all the same.
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!files[i]->commit())
            return WriteFailure(writes[i].fileName, files[i]->errorString());
    }
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
