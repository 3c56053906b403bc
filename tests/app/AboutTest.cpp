#include "FrameFixture.h"
#include "EditorTestSupport.h"
#include "MainFormSupport.h"

#include "app/AboutDlg.h"
#include "ui/ControlIds.h"

#include <QAction>
#include <QDesktopServices>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// Takes the links the program opens instead of the desktop's browser.
class LinkCatcher : public QObject {
    Q_OBJECT

public:
    LinkCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
    ~LinkCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    QList<QUrl> opened;

public Q_SLOTS:
    void Open(const QUrl& url) { opened << url; }
};

class About : public FrameFixture { };

QString Text(const QDialog& dialog, const char* name)
{
    const auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<missing>");
}

TEST_F(About, TheBoxNamesTheProductAndItsVersionAndLinksToTheGuide)
{
    Open();
    LinkCatcher links;
    bool seen = false;
    WhenDialogOpens([&](QDialog& dialog) {
        seen = true;
        EXPECT_EQ(dialog.windowTitle(), "About");
        EXPECT_EQ(Text(dialog, "productName"), "Brindlewick");
        EXPECT_EQ(Text(dialog, "version"), "Version 1.1.0-beta1");
        auto* link = dialog.findChild<QLabel*>(QStringLiteral("webLink"));
        ASSERT_NE(link, nullptr);
        EXPECT_TRUE(link->text().contains(">Visit the website</a>"));
        EXPECT_LE((dialog.frameGeometry().center() - frame->frameGeometry().center()).manhattanLength(), 2);
        SavePicture(dialog, QStringLiteral("about"));

        QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
        ASSERT_EQ(links.opened.size(), 1);
        EXPECT_TRUE(links.opened[0].isLocalFile());
        EXPECT_TRUE(links.opened[0].path().endsWith("/user-guide.html"))
            << links.opened[0].toString().toStdString();

        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    });
    frame->Command(MenuCommandId::kAbout)->trigger();
    EXPECT_TRUE(seen);
}
} // namespace

#include "AboutTest.moc"
