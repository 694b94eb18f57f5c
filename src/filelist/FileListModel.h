// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace brindlecast {

// The file list's rows: one full path each, in one column under a header text.
//
// A list of a whole disk holds hundreds of thousands of rows, so each path is kept once, as UTF-8
// in a block of its own size, and turned back into text only when it is shown or asked for. The
// text given is the text returned: paths never hold a NUL (the list refuses them) and are valid
// UTF-16, which UTF-8 carries unchanged.
class FileListModel : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int BaseFolderRole = Qt::UserRole + 1;

    explicit FileListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void setHeaderText(const QString& text);
    // Positions here start at 0, as the model's rows do.
    void append(const QString& path, const QString& baseFolder = QString());
    QString text(int position) const;
    // "" for a row added as a single file.
    QString baseFolder(int position) const;
    // Replaces the path; the row keeps its base folder.
    void setText(int position, const QString& path);
    // Exchanges two rows, each with its base folder.
    void swap(int first, int second);
    void remove(int position);
    void clear();

private:
    using PackedText = std::unique_ptr<char[]>;
    struct Row {
        PackedText text;
        int baseFolder = -1; // in m_baseFolders; -1 for none
    };
    static PackedText pack(const QString& text);
    bool holds(int position) const;
    int baseFolderNumber(const QString& folder);

    std::vector<Row> m_rows;
    // Every base folder the rows have had since the list was last cleared, each once.
    QStringList m_baseFolders;
    QHash<QString, int> m_baseFolderNumbers;
    QString m_header;
};

} // namespace brindlecast
