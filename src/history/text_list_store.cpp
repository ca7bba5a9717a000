#include "history/text_list_store.h"

#include "common/safe_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace morvelin {

namespace {

Failure ReadFailure(const QString &fileName, const QString &reason)
{
    return {QStringLiteral("%1 kan niet gelezen worden: %2.").arg(fileName, reason)};
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
    return SaveFileAtomically(path(fileName), EncodeTextList(list), fileName);
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
