#include "MarketDialogs.h"

#include "FileDialogs.h"
#include "FileSettings.h"
#include "MarketImportDialog.h"
#include "MarketLibraryDialog.h"
#include "MarketSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QProgressDialog>
#include <QThread>

#include <atomic>
#include <memory>

namespace {

// Steps of the progress bar; the import tells it every 65536 rows or bars.
constexpr int kProgressSteps = 1000;
// A quicker import shows no progress dialog at all.
constexpr int kProgressDelayMs = 500;

QString Local(const std::string& text) { return QString::fromStdString(text); }

} // namespace

CMarketDialogs::CMarketDialogs(CMarketSession& session, QWidget* parent)
    : QObject(parent)
    , m_session(session)
    , m_parent(parent)
{
}

void CMarketDialogs::Import()
{
    if (m_busy)
        return;
    const QString path = AskImportPath();
    if (!path.isEmpty())
        ImportFile(path);
}

bool CMarketDialogs::ImportFile(const QString& path)
{
    std::optional<BarImport::Request> request = AskImportChoices(path);
    return request && RunImport(std::move(*request));
}

bool CMarketDialogs::RunImport(BarImport::Request request)
{
    request.store = m_session.StorePath();
    const Result<BarImport::Summary> done = ImportWithProgress(request);
    if (!done.Ok()) {
        if (!done.Message().empty()) // empty: the user cancelled
            ShowFailure(done.Message());
        return false;
    }
    const BarImport::Summary& summary = done.Value();
    QString text = tr("%1：新增 %2 根K线，替换 %3 根，跳过 %4 行。")
                       .arg(Local(summary.symbol))
                       .arg(summary.merged.added)
                       .arg(summary.merged.replaced)
                       .arg(summary.SkippedTotal());
    if (!summary.skipped.empty())
        text += QLatin1Char('\n') + tr("跳过的原因：%1").arg(Local(BarImport::CausesText(summary.skipped)));
    const QString symbol = Local(summary.symbol);
    if (IsCurrent(symbol))
        Follow(m_session.Reload());
    ShowMessage(QMessageBox::Information, text);
    emit imported(symbol);
    return true;
}

// The worker only reads the file and writes the store; the dialog is told
// through queued calls, which Qt drops once the dialog is gone.
Result<BarImport::Summary> CMarketDialogs::ImportWithProgress(const BarImport::Request& request)
{
    m_busy = true;
    QProgressDialog progress(tr("正在导入 %1…").arg(QFileInfo(QFile::decodeName(request.path.c_str())).fileName()),
                             tr("取消"), 0, kProgressSteps, Host());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressDelayMs);
    progress.setAutoReset(false);
    progress.setValue(0);
    std::atomic<bool> cancelled{false};
    connect(&progress, &QProgressDialog::canceled, &progress, [&cancelled] { cancelled = true; });
    const Progress report = [&progress, &cancelled](double fraction) {
        const int step = static_cast<int>(fraction * kProgressSteps);
        QMetaObject::invokeMethod(&progress, [&progress, step] { progress.setValue(step); }, Qt::QueuedConnection);
        return !cancelled;
    };
    Result<BarImport::Summary> result = Failure{};
    const std::unique_ptr<QThread> worker(
        QThread::create([&result, &request, &report] { result = BarImport::Run(request, report); }));
    QEventLoop waiting;
    connect(worker.get(), &QThread::finished, &waiting, &QEventLoop::quit);
    worker->start();
    waiting.exec();
    worker->wait();
    m_busy = false;
    // A cancel that came too late to stop the import changes nothing of it.
    return !result.Ok() && cancelled ? Result<BarImport::Summary>(Failure{}) : result;
}

void CMarketDialogs::Library()
{
    if (m_busy)
        return;
    CMarketLibraryDialog dialog(m_parent);
    m_library = &dialog;
    connect(&dialog, &CMarketLibraryDialog::renameAsked, this, &CMarketDialogs::Rename);
    connect(&dialog, &CMarketLibraryDialog::removeAsked, this, &CMarketDialogs::Remove);
    connect(&dialog, &CMarketLibraryDialog::reimportAsked, this, &CMarketDialogs::Reimport);
    connect(&dialog, &CMarketLibraryDialog::chooseAsked, this, &CMarketDialogs::Choose);
    const std::optional<CMarketStore::Instrument>& current = m_session.Instrument();
    Refresh(current ? Local(current->symbol) : QString());
    dialog.exec();
    m_library = nullptr;
}

void CMarketDialogs::Refresh(const QString& symbol)
{
    const Result<std::unique_ptr<CMarketStore>> store = CMarketStore::Open(m_session.StorePath());
    Result<std::vector<CMarketStore::Instrument>> instruments =
        store.Ok() ? store.Value()->Instruments() : Failure{store.Message()};
    if (!instruments.Ok())
        ShowFailure(instruments.Message());
    m_library->Show(instruments.Ok() ? instruments.Value() : std::vector<CMarketStore::Instrument>(), symbol);
}

void CMarketDialogs::Rename(const QString& symbol)
{
    const QString to = AskNewSymbol(symbol).trimmed();
    if (to.isEmpty() || to == symbol)
        return;
    const Result<std::unique_ptr<CMarketStore>> store = CMarketStore::Open(m_session.StorePath());
    const Result<void> renamed =
        store.Ok() ? store.Value()->Rename(symbol.toStdString(), to.toStdString()) : Failure{store.Message()};
    if (!renamed.Ok())
        ShowFailure(renamed.Message());
    else if (IsCurrent(symbol))
        Follow(m_session.Choose(to.toStdString()));
    Refresh(renamed.Ok() ? to : symbol);
}

void CMarketDialogs::Remove(const QString& symbol)
{
    if (!AskRemove(symbol))
        return;
    const Result<std::unique_ptr<CMarketStore>> store = CMarketStore::Open(m_session.StorePath());
    const Result<void> removed = store.Ok() ? store.Value()->Remove(symbol.toStdString()) : Failure{store.Message()};
    if (!removed.Ok())
        ShowFailure(removed.Message());
    else if (IsCurrent(symbol))
        m_session.Clear();
    Refresh(QString());
}

// From the file it came from, read as a file with no choices made; the
// instrument keeps its symbol, name and zone.
void CMarketDialogs::Reimport(const QString& symbol)
{
    const Result<std::unique_ptr<CMarketStore>> store = CMarketStore::Open(m_session.StorePath());
    const std::optional<CMarketStore::Instrument> instrument =
        store.Ok() ? store.Value()->Find(symbol.toStdString()) : std::nullopt;
    if (!instrument) {
        ShowMessage(QMessageBox::Warning, store.Ok() ? tr("行情库中已没有 %1。").arg(symbol) : Local(store.Message()));
        Refresh(QString());
        return;
    }
    if (!QFileInfo::exists(QFile::decodeName(instrument->sourceFile.c_str()))) {
        ShowMessage(QMessageBox::Warning, tr("%1 的源文件已不在：%2")
                                              .arg(symbol, QDir::toNativeSeparators(
                                                               QFile::decodeName(instrument->sourceFile.c_str()))));
        return;
    }
    BarImport::Request request;
    request.path = instrument->sourceFile;
    request.symbol = instrument->symbol;
    request.name = instrument->name;
    request.options.zone = instrument->zone;
    RunImport(std::move(request));
    Refresh(symbol);
}

void CMarketDialogs::Choose(const QString& symbol)
{
    emit instrumentChosen(symbol);
    if (m_library)
        m_library->accept();
}

void CMarketDialogs::Follow(const Result<void>& session)
{
    if (!session.Ok())
        ShowFailure(session.Message());
}

void CMarketDialogs::ShowFailure(const std::string& message) { ShowMessage(QMessageBox::Warning, Local(message)); }

bool CMarketDialogs::IsCurrent(const QString& symbol) const
{
    return m_session.HasInstrument() && Local(m_session.Instrument()->symbol) == symbol;
}

QWidget* CMarketDialogs::Host() const { return m_library ? static_cast<QWidget*>(m_library) : m_parent; }

QString CMarketDialogs::AskImportPath()
{
    QFileDialog dialog(m_parent, tr("导入行情"), FileSettings::DialogFolder());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({tr("行情文件 (*.csv *.txt *.prn *.asc)"), tr("所有文件 (*)")});
    return FileDialogs::Ask(dialog);
}

std::optional<BarImport::Request> CMarketDialogs::AskImportChoices(const QString& path)
{
    return CMarketImportDialog::Ask(path, Host());
}

QString CMarketDialogs::AskNewSymbol(const QString& symbol)
{
    return QInputDialog::getText(Host(), tr("重命名"), tr("%1 的新代码：").arg(symbol), QLineEdit::Normal, symbol);
}

bool CMarketDialogs::AskRemove(const QString& symbol)
{
    return QMessageBox::question(Host(), QCoreApplication::applicationName(),
                                 tr("从行情库删除 %1 及其全部K线？").arg(symbol),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void CMarketDialogs::ShowMessage(QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, QCoreApplication::applicationName(), text, QMessageBox::Ok, Host());
    box.exec();
}
