#include "Seams.h"

#include <QDir>
#include <QFile>
#include <QPointer>

namespace testing {

platform::MsgResult FakeMessageBoxes::show(QWidget* parent, const QString& text, platform::MsgIcon icon,
                                           platform::MsgButtons buttons, const QString& title)
{
    shown.append({text, icon, buttons, title, parent});
    if (whileShown)
        whileShown();
    if (!answers.isEmpty())
        return answers.dequeue();
    return buttons == platform::MsgButtons::YesNo ? platform::MsgResult::No : platform::MsgResult::Ok;
}

QString FakeFileDialogs::saveFileName(QWidget*, const platform::FileDialogRequest& r)
{
    requests.append(r);
    return answers.isEmpty() ? QString() : answers.dequeue();
}

QString FakeFileDialogs::openFileName(QWidget*, const platform::FileDialogRequest& r)
{
    requests.append(r);
    return answers.isEmpty() ? QString() : answers.dequeue();
}

void FakeScheduler::after(int ms, QObject* context, std::function<void()> fn)
{
    requestedDelays.append(ms);
    if (immediate)
        fn();
    else
        pending_.append({context, std::move(fn)});
}

void FakeScheduler::runPending()
{
    const QList<Pending> now = std::exchange(pending_, {});
    for (const Pending& p : now)
        if (p.context)
            p.fn();
}

platform::PrinterList FakePrintSystem::printers()
{
    if (real)
        return real->printers();
    platform::PrinterList list;
    list.service = service;
    if (service == platform::ServiceAnswer::Answered) {
        list.printers = queues;
        if (!queues.isEmpty() && hasDefault)
            list.defaultPrinter = queues.constFirst();
    }
    return list;
}

QPageLayout FakePrintSystem::defaultLayout(const QString& printer)
{
    if (real)
        return real->defaultLayout(printer);
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10));
}

platform::QueueState FakePrintSystem::queueState(const QString& printer)
{
    if (real)
        return real->queueState(printer);
    platform::QueueState unknown;
    unknown.service = service;
    return service == platform::ServiceAnswer::Answered && queues.contains(printer) ? state : unknown;
}

platform::PrintJobAnswer FakePrintSystem::submit(const QString& printer, const QString& pdfFile, const QString& title,
                                                 const QList<QPair<QByteArray, QByteArray>>& options)
{
    if (real)
        return real->submit(printer, pdfFile, title, options);
    QFile file(pdfFile);
    jobs.append({printer, title, pdfFile, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), options});
    platform::PrintJobAnswer answer;
    if (!refusal.isEmpty()) {
        answer.reason = refusal;
        return answer;
    }
    answer.accepted = true;
    answer.jobId = static_cast<int>(jobs.size());
    return answer;
}

namespace {
Seams* g_seams = nullptr;
QTemporaryDir* g_temp = nullptr;
int g_settingsSerial = 0;
} // namespace

Seams& installSeams()
{
    if (g_seams)
        return *g_seams;
    g_temp = new QTemporaryDir;
    g_seams = new Seams;
    auto messages = std::make_unique<FakeMessageBoxes>();
    auto files = std::make_unique<FakeFileDialogs>();
    auto shell = std::make_unique<FakeShell>();
    auto random = std::make_unique<FakeRandom>();
    auto scheduler = std::make_unique<FakeScheduler>();
    auto screen = std::make_unique<FakeScreen>();
    auto clock = std::make_unique<FakeClock>();
    auto exit = std::make_unique<FakeExit>();
    auto guard = std::make_unique<FakeInstanceGuard>();
    auto print = std::make_unique<FakePrintSystem>();
    *g_seams = {messages.get(), files.get(), shell.get(), random.get(), scheduler.get(), screen.get(),
                clock.get(),    exit.get(),  guard.get(), print.get(),  QString(),    g_temp->path()};
    platform::setMessageBoxes(std::move(messages));
    platform::setFileDialogs(std::move(files));
    platform::setShell(std::move(shell));
    platform::setRandom(std::move(random));
    platform::setScheduler(std::move(scheduler));
    platform::setScreenMetrics(std::move(screen));
    platform::setClock(std::move(clock));
    platform::setProcessExit(std::move(exit));
    platform::setInstanceGuard(std::move(guard));
    platform::setPrintSystem(std::move(print));
    resetSeams();
    return *g_seams;
}

Seams& seams() { return installSeams(); }

void resetSeams()
{
    Seams& s = *g_seams;
    s.messages->shown.clear();
    s.messages->answers.clear();
    s.messages->whileShown = nullptr;
    s.files->answers.clear();
    s.files->requests.clear();
    s.shell->opened.clear();
    s.shell->onOpen = nullptr;
    s.random->values.clear();
    s.random->fallback = 0.0;
    s.random->reseeds = 0;
    s.random->taken = 0;
    s.scheduler->immediate = true;
    s.scheduler->runPending();
    s.scheduler->requestedDelays.clear();
    *s.screen = FakeScreen();
    *s.clock = FakeClock();
    s.exit->exits = 0;
    s.guard->anotherRunning = false;
    s.guard->releases = 0;
    s.guard->real.reset();
    *s.print = FakePrintSystem();
    s.settingsFile = QDir(s.tempDir).filePath(QStringLiteral("settings-%1.ini").arg(++g_settingsSerial));
    platform::setSettingsStore(platform::makeIniSettingsStore(s.settingsFile));
}

} // namespace testing
