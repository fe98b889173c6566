#include "ui/dialogs/uFrmReplaceQShortCut.h"

#include "common/uCommon.h"
#include "model/uShortCut.h"
#include "store/uDataModule.h"
#include "ui/common/Guard.h"
#include "ui/common/MessageBox.h"
#include "ui/common/WaitCursor.h"
#include "ui/dialogs/DialogButtons.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr qsizetype MaxPathLength = 512; // the width of the catalogue's Path column

// The catalogue counts characters, not the UTF-16 units of a QString.
qsizetype CharacterCount(const QString& text)
{
    return text.toUcs4().size();
}

// The first stored path that the replacement would make too long for the catalogue; empty when none.
QString OverlongPathAfter(const QString& search, const QString& replacement)
{
    if (replacement.size() <= search.size())
        return {};
    TQShortCutList all;
    dm->LoadShortCuts(QString(), all);
    for (const auto& shortCut : all) {
        if (CharacterCount(ReplaceAll(shortCut->Path, search, replacement)) > MaxPathLength)
            return shortCut->Path;
    }
    return {};
}

} // namespace

TfrmReplaceQShortCut::TfrmReplaceQShortCut(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmReplaceQShortCut"));
    setWindowTitle(QStringLiteral("替代"));
    auto* label1 = new QLabel(QStringLiteral("寻找："), this);
    label1->setObjectName(QStringLiteral("RzLabel1"));
    RzEdit1 = new QLineEdit(this);
    RzEdit1->setObjectName(QStringLiteral("RzEdit1"));
    auto* label2 = new QLabel(QStringLiteral("替换："), this);
    label2->setObjectName(QStringLiteral("RzLabel2"));
    RzEdit2 = new QLineEdit(this);
    RzEdit2->setObjectName(QStringLiteral("RzEdit2"));
    label1->setBuddy(RzEdit1);
    label2->setBuddy(RzEdit2);
    auto* buttons = MakeDialogButtons(this);

    auto* grid = new QGridLayout;
    grid->addWidget(label1, 0, 0);
    grid->addWidget(RzEdit1, 0, 1);
    grid->addWidget(label2, 1, 0);
    grid->addWidget(RzEdit2, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(buttons);
    setFixedSize(QSize(292, 116).expandedTo(sizeHint()));
    connect(buttons, &QDialogButtonBox::accepted, this,
            [this] { RunGuarded(this, [this] { RzDialogButtons1ClickOk(); }); });
}

void TfrmReplaceQShortCut::RzDialogButtons1ClickOk()
{
    const QString search = RzEdit1->text();
    const QString replacement = RzEdit2->text();
    if (search.isEmpty()) {
        TMessageBox::Error(this, QStringLiteral("寻找的字符串不能为空"));
        return;
    }
    QString overlong;
    {
        TWaitCursor wait;
        // One statement changes every row or none; a path that would outgrow its column would make the
        // catalogue refuse them all with a reason no user can read, so the refusal is said here instead.
        overlong = OverlongPathAfter(search, replacement);
        if (overlong.isEmpty())
            dm->ReplaceInPaths(search, replacement);
    }
    if (!overlong.isEmpty()) {
        TMessageBox::Error(this, QStringLiteral("替换后路径将超过%1个字符，没有替换任何路径：\n%2")
                                     .arg(MaxPathLength)
                                     .arg(overlong));
        return;
    }
    accept();
}
