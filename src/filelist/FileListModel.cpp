// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/FileListModel.h"

#include <cstring>
#include <utility>

namespace brindlecast {

namespace {
// What a row's path is shown as: its text, and its tooltip in full.
const QList<int> kTextRoles{Qt::DisplayRole, Qt::ToolTipRole};
} // namespace

FileListModel::FileListModel(QObject* parent) : QAbstractListModel(parent) {}

int FileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant FileListModel::data(const QModelIndex& index, int role) const
{
    if (index.column() != 0 || !holds(index.row()))
        return {};
    // A row too long for the column is cut in its middle; its tooltip is the whole path.
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return text(index.row());
    if (role == BaseFolderRole)
        return baseFolder(index.row());
    return {};
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section == 0)
        return m_header;
    return {};
}

Qt::ItemFlags FileListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void FileListModel::setHeaderText(const QString& text)
{
    m_header = text;
    emit headerDataChanged(Qt::Horizontal, 0, 0);
}

void FileListModel::append(const QString& path, const QString& baseFolder)
{
    const int position = int(m_rows.size());
    Row row{pack(path), baseFolder.isEmpty() ? -1 : baseFolderNumber(baseFolder)};
    beginInsertRows({}, position, position);
    m_rows.push_back(std::move(row));
    endInsertRows();
}

QString FileListModel::text(int position) const
{
    return holds(position) ? QString::fromUtf8(m_rows[size_t(position)].text.get()) : QString();
}

QString FileListModel::baseFolder(int position) const
{
    return holds(position) ? m_baseFolders.value(m_rows[size_t(position)].baseFolder) : QString();
}

void FileListModel::setText(int position, const QString& path)
{
    if (!holds(position))
        return;
    m_rows[size_t(position)].text = pack(path);
    const QModelIndex changed = index(position);
    emit dataChanged(changed, changed, kTextRoles);
}

void FileListModel::swap(int first, int second)
{
    if (!holds(first) || !holds(second) || first == second)
        return;
    std::swap(m_rows[size_t(first)], m_rows[size_t(second)]);
    for (const int position : {first, second}) {
        const QModelIndex changed = index(position);
        emit dataChanged(changed, changed, kTextRoles + QList<int>{BaseFolderRole});
    }
}

void FileListModel::remove(int position)
{
    if (!holds(position))
        return;
    beginRemoveRows({}, position, position);
    m_rows.erase(m_rows.begin() + position);
    endRemoveRows();
}

void FileListModel::clear()
{
    beginResetModel();
    std::vector<Row>().swap(m_rows);
    m_baseFolders.clear();
    m_baseFolderNumbers.clear();
    endResetModel();
}

FileListModel::PackedText FileListModel::pack(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    PackedText packed(new char[size_t(utf8.size()) + 1]);
    std::memcpy(packed.get(), utf8.constData(), size_t(utf8.size()) + 1);
    return packed;
}

int FileListModel::baseFolderNumber(const QString& folder)
{
    // A search adds its rows one after another, all with the same folder.
    if (!m_baseFolders.isEmpty() && m_baseFolders.back() == folder)
        return int(m_baseFolders.size()) - 1;
    const auto known = m_baseFolderNumbers.constFind(folder);
    if (known != m_baseFolderNumbers.constEnd())
        return known.value();
    m_baseFolders.append(folder);
    return m_baseFolderNumbers[folder] = int(m_baseFolders.size()) - 1;
}

bool FileListModel::holds(int position) const
{
    return position >= 0 && size_t(position) < m_rows.size();
}

} // namespace brindlecast
