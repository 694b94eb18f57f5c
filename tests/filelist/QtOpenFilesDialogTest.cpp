#include "platform/Failure.h"
#include "platform/QtDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace brindlecast::test {
namespace {

// Drives the real file dialog: once it is shown, picks the given names in a folder and accepts.
class QtOpenFilesDialog : public ::testing::Test {
  protected:
    QString makeFile(const QString& name)
    {
        QFile file(m_dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return file.fileName();
    }

    QString pickOnceShown(const OpenFileRequest& request, const QStringList& names)
    {
        QTimer::singleShot(0, [this, request, names] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                ADD_FAILURE() << "no file dialog shown";
                if (QWidget* other = QApplication::activeModalWidget())
                    other->close();
                return;
            }
            shownTitle = dialog->windowTitle();
            shownFilters = dialog->nameFilters();
            dialog->setDirectory(m_dir.path());
            QStringList quoted;
            for (const QString& name : names)
                quoted << '"' + name + '"';
            dialog->selectFile(names.size() == 1 ? names.front() : quoted.join(' '));
            QMetaObject::invokeMethod(dialog, "accept");
            // A selection the dialog refuses would leave it open; cancel so the test ends.
            if (dialog->isVisible())
                QMetaObject::invokeMethod(dialog, "reject");
        });
        return m_dialogs.openFiles(request);
    }

    OpenFileRequest wavRequest() const
    {
        return {QStringLiteral("Add File(s) - Hold Ctrl to select multiple files"),
                QStringLiteral("WAV Files (*.wav)"), true, 30000};
    }

    QTemporaryDir m_dir;
    QtDialogs m_dialogs;
    QString shownTitle;
    QStringList shownFilters;
};

TEST_F(QtOpenFilesDialog, SeveralPickedFilesGiveTheFolderAndTheirNames)
{
    makeFile(QStringLiteral("a.wav"));
    makeFile(QStringLiteral("b.wav"));
    const QStringList parts =
        pickOnceShown(wavRequest(), {QStringLiteral("a.wav"), QStringLiteral("b.wav")})
            .split(QChar(0));
    ASSERT_EQ(parts.size(), 3);
    EXPECT_EQ(QDir(parts[0]).canonicalPath(), QDir(m_dir.path()).canonicalPath());
    EXPECT_EQ(parts.mid(1), (QStringList{QStringLiteral("a.wav"), QStringLiteral("b.wav")}));
}

TEST_F(QtOpenFilesDialog, ASelectionLongerThanTheLimitFailsWithItsNumber)
{
    QStringList names;
    for (int i = 0; i < 130; ++i) {
        names << QStringLiteral("%1-%2.wav").arg(i, 3, 10, QChar('0')).arg(QString(240, 'x'));
        makeFile(names.back());
    }
    try {
        pickOnceShown(wavRequest(), names);
        FAIL() << "no failure for a selection over 30000 characters";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.number(), 20476);
    }
}

} // namespace
} // namespace brindlecast::test
