#include "ui/dialogs/uFrmSearch.h"

#include "common/Exception.h"
#include "common/uCommon.h"
#include "model/uShortCut.h"
#include "settings/uEnvironment.h"
#include "store/uDataModule.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/Guard.h"
#include "ui/common/MessageBox.h"
#include "ui/common/WaitCursor.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/uFrmQShortCutGroup.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

#include <chrono>
#include <future>
#include <thread>

namespace {

// Every file matches here: Linux programs carry no common extension.
const QString DefaultMask = QStringLiteral("*");

// Often enough that the bar moves smoothly, rarely enough that repainting costs nothing next to the icons.
constexpr int RepaintEvery = 32;

// A whole number with digit grouping, negatives in brackets: "(1,200)" reads as -1200, and so does
// "-1200" when typed.
class TNumericEdit : public QSpinBox
{
public:
    using QSpinBox::QSpinBox;

protected:
    QString textFromValue(int value) const override
    {
        const QString digits = Grouping().toString(qAbs(value));
        return value < 0 ? QLatin1Char('(') + digits + QLatin1Char(')') : digits;
    }

    int valueFromText(const QString& text) const override
    {
        bool negative = false;
        bool complete = false;
        bool ok = false;
        const int magnitude = Parse(text, negative, complete, ok);
        return negative ? -magnitude : magnitude;
    }

    QValidator::State validate(QString& input, int& /*pos*/) const override
    {
        bool negative = false;
        bool complete = false;
        bool ok = false;
        const int magnitude = Parse(input, negative, complete, ok);
        if (!ok)
            return complete ? QValidator::Invalid : QValidator::Intermediate;
        const int value = negative ? -magnitude : magnitude;
        if (!complete || value < minimum() || value > maximum())
            return QValidator::Intermediate;
        return QValidator::Acceptable;
    }

private:
    QLocale Grouping() const
    {
        // The C locale leaves the separator out unless asked.
        QLocale grouping = locale();
        grouping.setNumberOptions(grouping.numberOptions() & ~QLocale::OmitGroupSeparator);
        return grouping;
    }

    // complete: the brackets, if any, are closed and digits are there. ok: the digits read as a number.
    int Parse(const QString& text, bool& negative, bool& complete, bool& ok) const
    {
        QString digits = text.trimmed();
        negative = false;
        complete = true;
        if (digits.startsWith(QLatin1Char('('))) {
            negative = true;
            digits.remove(0, 1);
            if (digits.endsWith(QLatin1Char(')')))
                digits.chop(1);
            else
                complete = false;
        } else if (digits.startsWith(QLatin1Char('-'))) {
            negative = true;
            digits.remove(0, 1);
        }
        digits.remove(Grouping().groupSeparator());
        if (digits.isEmpty()) {
            complete = false;
            ok = false;
            return 0;
        }
        const int magnitude = Grouping().toInt(digits, &ok);
        if (!ok)
            complete = true; // something that is no number at all cannot become one by typing on
        return ok ? magnitude : 0;
    }
};

} // namespace

TfrmSearch::TfrmSearch(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSearch"));
    setWindowTitle(QStringLiteral("查找"));

    RzEditFile = new QLineEdit(DefaultMask, this);
    RzEditFile->setObjectName(QStringLiteral("RzEditFile"));
    RzButtonEditPath = new QLineEdit(this);
    RzButtonEditPath->setObjectName(QStringLiteral("RzButtonEditPath"));
    QAction* browse = RzButtonEditPath->addAction(style()->standardIcon(QStyle::SP_DirOpenIcon),
                                                  QLineEdit::TrailingPosition);
    browse->setObjectName(QStringLiteral("RzButtonEditPathButton"));
    browse->setToolTip(QStringLiteral("浏览..."));
    RzCheckBox1 = new QCheckBox(QStringLiteral("包含子目录"), this);
    RzCheckBox1->setObjectName(QStringLiteral("RzCheckBox1"));
    RzCheckBox2 = new QCheckBox(QStringLiteral("包含n级子目录"), this);
    RzCheckBox2->setObjectName(QStringLiteral("RzCheckBox2"));
    RzCheckBox2->setChecked(true);
    RzNumericEdit1 = new TNumericEdit(this);
    RzNumericEdit1->setObjectName(QStringLiteral("RzNumericEdit1"));
    RzNumericEdit1->setRange(-9999, 9999);
    RzNumericEdit1->setValue(1);
    RzComboBox1 = new QComboBox(this);
    RzComboBox1->setObjectName(QStringLiteral("RzComboBox1"));
    RzComboBox1->setEditable(true);
    // A typed name is used as it stands; Enter must not slip it into the list as if it were a group.
    RzComboBox1->setInsertPolicy(QComboBox::NoInsert);
    RzDialogButtons1 = MakeDialogButtons(this);

    RzStatusBar1 = new QStatusBar(this);
    RzStatusBar1->setObjectName(QStringLiteral("RzStatusBar1"));
    RzStatusBar1->setSizeGripEnabled(false);
    RzStatusPane1 = new QLabel(RzStatusBar1);
    RzStatusPane1->setObjectName(QStringLiteral("RzStatusPane1"));
    RzProgressStatus1 = new QProgressBar(RzStatusBar1);
    RzProgressStatus1->setObjectName(QStringLiteral("RzProgressStatus1"));
    // An empty bar until a run gives it its total; Qt would animate a bar of no parts as "busy".
    RzProgressStatus1->setRange(0, 1);
    RzProgressStatus1->setValue(0);
    RzProgressStatus1->setTextVisible(false);
    RzProgressStatus1->setFixedWidth(90);
    RzStatusBar1->addWidget(RzStatusPane1, 1);
    RzStatusBar1->addPermanentWidget(RzProgressStatus1);

    auto* levels = new QHBoxLayout;
    levels->addWidget(RzCheckBox2);
    levels->addWidget(RzNumericEdit1);
    levels->addStretch();
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("文件类型："), RzEditFile);
    form->addRow(QStringLiteral("目录："), RzButtonEditPath);
    form->addRow(QString(), RzCheckBox1);
    form->addRow(QString(), levels);
    form->addRow(QStringLiteral("类别："), RzComboBox1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 9, 0, 0);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(9, 0, 9, 0);
    body->addLayout(form);
    body->addWidget(RzDialogButtons1);
    layout->addLayout(body);
    layout->addWidget(RzStatusBar1);
    setFixedSize(QSize(292, 181).expandedTo(sizeHint()));

    connect(browse, &QAction::triggered, this,
            [this] { RunGuarded(this, [this] { RzButtonEditPathButtonClick(); }); });
    connect(RzCheckBox1, &QCheckBox::toggled, this, [this] { RzCheckBox1Click(); });
    connect(RzCheckBox2, &QCheckBox::toggled, this, [this] { RzCheckBox2Click(); });
    connect(RzDialogButtons1, &QDialogButtonBox::accepted, this,
            [this] { RunGuarded(this, [this] { RzDialogButtons1ClickOk(); }); });
    FormCreate();
}

void TfrmSearch::FormCreate()
{
    RzButtonEditPath->setText(AppEnvironment->GetDefaultSearchDir());
    QStringList groups;
    dm->LoadGroupNames(groups);
    RzComboBox1->addItems(groups);
    RzComboBox1->setCurrentIndex(-1);
    RzComboBox1->setEditText(QString());
}

void TfrmSearch::RzButtonEditPathButtonClick()
{
    const QString folder = TFileDialogs::ChooseFolder(this, QString());
    if (!folder.isEmpty())
        RzButtonEditPath->setText(folder);
}

void TfrmSearch::RzCheckBox1Click()
{
    if (RzCheckBox1->isChecked())
        RzCheckBox2->setChecked(false);
}

void TfrmSearch::RzCheckBox2Click()
{
    if (RzCheckBox2->isChecked() && RzCheckBox1->isChecked())
        RzCheckBox1->setChecked(false);
}

void TfrmSearch::ShowStatus(const QString& text)
{
    RzStatusPane1->setText(text);
    Q_EMIT StatusShown(text);
}

QString TfrmSearch::GetGroupName() const
{
    return RzComboBox1->currentText();
}

void TfrmSearch::reject()
{
    if (!m_busy)
        QDialog::reject();
}

TSearchInfo TfrmSearch::SearchInfo() const
{
    TSearchInfo info;
    info.Dir = RzButtonEditPath->text();
    info.Mask = RzEditFile->text();
    info.LimitDepth = RzCheckBox2->isChecked();
    info.AllSubDirs = RzCheckBox1->isChecked();
    info.Depth = RzNumericEdit1->value();
    return info;
}

QStringList TfrmSearch::FindMatchingFiles(const TSearchInfo& info)
{
    QStringList found;
    std::promise<void> finished;
    std::future<void> done = finished.get_future();
    {
        // The scan reads only the request and fills only its own list, so the window's thread is free
        // to paint meanwhile; the list is not looked at until the scanner has ended.
        std::jthread scanner([&info, &found, &finished] {
            try {
                if (info.AllSubDirs)
                    FindFiles(info.Dir, info.Mask, true, found);
                else if (info.LimitDepth)
                    FindFilesToDepth(info.Dir, info.Mask, info.Depth, found);
                else
                    FindFiles(info.Dir, info.Mask, false, found);
                finished.set_value();
            } catch (...) {
                finished.set_exception(std::current_exception());
            }
        });
        using namespace std::chrono_literals;
        // processEvents returns at once when nothing is pending; the wait between its calls keeps this loop
        // from spinning a core while the scanner works.
        do {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 50);
        } while (done.wait_for(20ms) != std::future_status::ready);
    }
    done.get();
    return found;
}

void TfrmSearch::CreateShortCuts(const QStringList& found, const QString& groupName)
{
    int created = 0;
    QString failure;
    {
        TWaitCursor wait;
        std::vector<TQProgram> results;
        dm->ClassifySearchResults(found, results);
        const int total = int(results.size());
        RzProgressStatus1->setRange(0, total);
        RzProgressStatus1->setValue(0);
        const QString foundCount = QString::number(found.size());
        int k = 0;
        for (const TQProgram& entry : results) {
            ++k;
            TQShortCut shortCut;
            shortCut.GroupName = groupName;
            shortCut.Path = entry.FileName;
            shortCut.ScText = GetFileNameNoExt(entry.FileName);
            if (!shortCut.PathIsEmpty()) {
                // The catalogue can refuse a row (it runs out of indexes at 32767): what was stored stays
                // stored, and the run ends here with the count and the engine's reason.
                try {
                    dm->AddShortCut(shortCut);
                    ++created;
                } catch (const Exception& e) {
                    failure = e.Message();
                    break;
                }
            }
            RzProgressStatus1->setValue(k);
            ShowStatus(QStringLiteral("正在处理") + QString::number(k) + QLatin1Char('/') + foundCount +
                       QStringLiteral("个文件"));
            if (k % RepaintEvery == 0 || k == total)
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
        ShowStatus(failure.isEmpty() ? QStringLiteral("批量处理文件结束。")
                                     : QStringLiteral("批量处理文件中止。"));
    }
    if (!failure.isEmpty()) {
        TMessageBox::Error(
            this,
            QStringLiteral("批量处理中止：已建立%1个快捷方式，其余的未能保存。\n").arg(created) + failure);
        return;
    }
    TMessageBox::Information(this,
                             QStringLiteral("搜索到的文件已归类到 [") + groupName + QStringLiteral("] 中"));
}

void TfrmSearch::RzDialogButtons1ClickOk()
{
    if (!DirExists(RzButtonEditPath->text())) {
        TMessageBox::Error(this, QStringLiteral("请输入要查找的目录"));
        return;
    }
    const QString groupName = GetGroupName();
    // A name of blanks only would become a tab without a caption.
    if (groupName.trimmed().isEmpty()) {
        TMessageBox::Error(this, QStringLiteral("类别不能为空"));
        return;
    }
    // Said here, before anything is stored, rather than by the catalogue when the new group's tab is made.
    if (groupName.size() > TfrmQShortCutGroup::MaxGroupName) {
        TMessageBox::Error(this,
                           QStringLiteral("类别名称不能超过%1个字符").arg(TfrmQShortCutGroup::MaxGroupName));
        return;
    }
    const TSearchInfo info = SearchInfo();
    AppEnvironment->SetDefaultSearchDir(info.Dir);

    m_busy = true;
    const auto idle = qScopeGuard([this] { m_busy = false; });
    QStringList found;
    {
        TWaitCursor wait;
        found = FindMatchingFiles(info);
    }
    if (found.isEmpty()) {
        TMessageBox::Information(this, QStringLiteral("没有搜索到文件"));
        accept();
        return;
    }
    CreateShortCuts(found, groupName);
    accept();
}
