#include "history/text_list_store.h"

#include "common/safe_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>
#include <vector>

namespace morvelin {

TextListStore::TextListStore(QString folder) : m_folder(std::move(folder)) {}

QString TextListStore::path(const QString &fileName) const
{
    return QDir(m_folder).filePath(fileName);
}

bool TextListStore::exists(const QString &fileName) const
{
    return QFileInfo::exists(path(fileName));
}

Result<QByteArray> TextListStore::readBytes(const QString &fileName) const
{
    return ReadWholeFile(path(fileName), fileName);
}

Result<TextList> TextListStore::read(const QString &fileName) const
{
    Result<QByteArray> bytes = readBytes(fileName);
    if (!bytes)
        return Failure{bytes.error()};
    Result<TextList> list = DecodeTextList(*bytes);
    if (!list)
        return ReadFailure(fileName, list.error());
    return list;
}

Result<ListLock> TextListStore::lock(const QString &listName) const
{
    return ListLock::Take(m_folder, listName);
}

Status TextListStore::write(const ListLock &lock, const QString &fileName,
                            const TextList &list) const
{
    return writeAll(lock, {{fileName, list}});
}

Status TextListStore::writeAll(const ListLock &lock, const QList<ListWrite> &writes) const
{
    Q_ASSERT(lock.folder() == m_folder);
    QList<FileBytes> encoded;
    for (const ListWrite &write : writes)
        encoded.append({write.fileName, EncodeTextList(write.list)});
    return writeBytesAll(encoded);
}

Status TextListStore::appendLine(const ListLock &lock, const QStringList &fileNames,
                                 const QString &line) const
{
    Q_ASSERT(lock.folder() == m_folder);
    const QString &first = fileNames.constFirst();
    QByteArray bytes;
    if (exists(first)) {
        Result<QByteArray> read = readBytes(first);
        if (!read)
            return Failure{read.error()};
        bytes = std::move(read).value();
    }
    std::optional<QByteArray> appended = AppendLineToBytes(bytes, line);
    if (!appended) {
        Result<TextList> decoded = DecodeTextList(bytes);
        if (!decoded)
            return ReadFailure(first, decoded.error());
        TextList list = std::move(decoded).value();
        list.lines.append(line);
        appended = EncodeTextList(list);
    }
    QList<FileBytes> writes;
    for (const QString &fileName : fileNames)
        writes.append({fileName, *appended});
    return writeBytesAll(writes);
}

Status TextListStore::writeBytesAll(const QList<FileBytes> &writes) const
{
    // A temporary file that is never committed is removed with its QSaveFile.
    std::vector<std::unique_ptr<QSaveFile>> files;
    for (const FileBytes &write : writes) {
        Result<std::unique_ptr<QSaveFile>> prepared =
            PrepareFile(path(write.fileName), write.bytes, write.fileName);
        if (!prepared)
            return Failure{prepared.error()};
        files.push_back(std::move(prepared).value());
    }
    // Only a rename that fails after every byte was written could still leave the
    // files apart; it is reported all the same.
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (Status committed = CommitFile(*files[i], writes[qsizetype(i)].fileName); !committed)
            return committed;
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
