#include "ui/dialogs/About.h"

#include "common/uCommon.h"
#include "ui/art/Artwork.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

const QString TAboutBox::WebAddress = QStringLiteral("https://kestrune.org");

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("关于"));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* programIcon = new QLabel(panel);
    programIcon->setObjectName(QStringLiteral("ProgramIcon"));
    programIcon->setFixedSize(36, 36);
    programIcon->setPixmap(Artwork::ApplicationIcon().pixmap(QSize(36, 36)));
    programIcon->setScaledContents(true);
    auto* productName = new QLabel(QStringLiteral("Kestrune"), panel);
    productName->setObjectName(QStringLiteral("ProductName"));
    QFont nameFont = productName->font();
    nameFont.setBold(true);
    productName->setFont(nameFont);
    // The version the program was built as, the same text the program reports as its own.
    auto* version = new QLabel(QStringLiteral("Version:") + QStringLiteral(KESTRUNE_VERSION), panel);
    version->setObjectName(QStringLiteral("Version"));
    version->setTextInteractionFlags(Qt::TextSelectableByMouse);

    RzURLLabel1 = new QLabel(QStringLiteral("访问我的博客"), panel);
    RzURLLabel1->setObjectName(QStringLiteral("RzURLLabel1"));
    QFont linkFont = RzURLLabel1->font();
    linkFont.setUnderline(true);
    RzURLLabel1->setFont(linkFont);
    QPalette linkPalette = RzURLLabel1->palette();
    linkPalette.setColor(QPalette::WindowText, linkPalette.color(QPalette::Highlight));
    RzURLLabel1->setPalette(linkPalette);
    RzURLLabel1->setCursor(Qt::PointingHandCursor);
    RzURLLabel1->setToolTip(WebAddress);
    RzURLLabel1->setFocusPolicy(Qt::TabFocus);
    RzURLLabel1->installEventFilter(this);

    auto* okButton = new QPushButton(QStringLiteral("关闭"), this);
    okButton->setObjectName(QStringLiteral("OKButton"));
    okButton->setDefault(true);

    auto* texts = new QVBoxLayout;
    texts->addWidget(productName);
    texts->addWidget(version);
    texts->addStretch();
    texts->addWidget(RzURLLabel1);
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->addWidget(programIcon, 0, Qt::AlignTop);
    panelLayout->addSpacing(8);
    panelLayout->addLayout(texts, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(okButton);
    buttonRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel, 1);
    layout->addLayout(buttonRow);
    setFixedSize(QSize(298, 213).expandedTo(sizeHint()));

    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::RzURLLabel1Click()
{
    OpenInBrowser(WebAddress);
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == RzURLLabel1) {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            RzURLLabel1->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            RzURLLabel1Click();
            return true;
        }
        // A link reached with Tab opens with Space as well as Enter, as links do.
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
                RzURLLabel1Click();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}
