#include "app/AboutDlg.h"

#include "ui/ControlIds.h"
#include "ui/resources/UiResources.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int kIconPixels = 48;
} // namespace

AboutDlg::AboutDlg(QWidget* parent)
    : QDialog(parent)
    , productName(new QLabel(this))
    , version(new QLabel(this))
    , link(new QLabel(this))
{
    setWindowTitle(QStringLiteral("About"));
    setObjectName(QStringLiteral("about"));

    auto* icon = new QLabel(this);
    icon->setPixmap(
        ResourceIcon(AppResourceId::kMainFrame).pixmap(QSize(kIconPixels, kIconPixels), devicePixelRatioF()));
    icon->setAlignment(Qt::AlignTop);

    QFont nameFont = productName->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.5);
    productName->setFont(nameFont);
    productName->setObjectName(QStringLiteral("productName"));
    version->setObjectName(QStringLiteral("version"));
    link->setObjectName(QStringLiteral("webLink"));
    // The link opens the page itself, so that the address can be followed however it was given.
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(link, &QLabel::linkActivated, this, &AboutDlg::OpenWebPage);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(16);
    grid->addWidget(icon, 0, 0, 3, 1);
    grid->addWidget(productName, 0, 1);
    grid->addWidget(version, 1, 1);
    grid->addWidget(link, 2, 1);
    grid->addWidget(buttons, 3, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutDlg::SetProductName(const QString& name)
{
    productName->setText(name);
}

void AboutDlg::SetVersion(const QString& text)
{
    version->setText(QStringLiteral("Version %1").arg(text));
}

void AboutDlg::SetWebPage(const QUrl& address)
{
    webPage = address;
    link->setText(
        QStringLiteral("<a href=\"%1\">Visit the website</a>").arg(address.toString().toHtmlEscaped()));
}

// Qt places a dialog over its parent only roughly; the box is to sit in the middle of the window.
void AboutDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QWidget* owner = parentWidget()) {
        QRect frame = frameGeometry();
        frame.moveCenter(owner->window()->frameGeometry().center());
        move(frame.topLeft());
    }
}

void AboutDlg::OpenWebPage()
{
    QDesktopServices::openUrl(webPage);
}
