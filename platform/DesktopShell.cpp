#include "platform/DesktopShell.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeDatabase>
#include <QProcess>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>
#include <QVariantMap>
#include <QWindow>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>

namespace {

// A service that is missing answers at once; this bounds the wait on one that hangs, during
// which the window does not paint.
constexpr int kDBusTimeoutMs = 3000;
constexpr int kRunTimeoutMs = 60000;
// How long xdg-open has to say that nothing handles an address. Desktop openers answer well
// within it; one that is still running has started a program in its foreground.
constexpr int kOpenWaitMs = 2000;

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");

// The portal's parent-window identifier, so its chooser opens over our window on X11.
QString PortalParent(QWindow* window)
{
    if (!window || QGuiApplication::platformName() != u"xcb")
        return {};
    return QStringLiteral("x11:") + QString::number(window->winId(), 16);
}

// Opens the address with xdg-open and waits briefly for its verdict: QDesktopServices only says
// whether xdg-open itself started, not whether anything handled the address. A small shell,
// detached from us, runs xdg-open and writes its exit status into a pipe, so a program that
// xdg-open keeps in its foreground never depends on our lifetime. Empty without xdg-open.
std::optional<bool> OpenWithXdgOpen(const QUrl& url)
{
    QByteArray opener = QFile::encodeName(QStandardPaths::findExecutable(QStringLiteral("xdg-open")));
    if (opener.isEmpty())
        return std::nullopt;
    QByteArray address = url.isLocalFile() ? QFile::encodeName(url.toLocalFile()) : url.toEncoded();
    QByteArray shell("/bin/sh");
    QByteArray option("-c");
    QByteArray script(R"("$1" "$2" 3>&-; echo $? >&3)");
    QByteArray name("sh");
    char* const argv[] = {shell.data(), option.data(), script.data(), name.data(), opener.data(), address.data(), nullptr};
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return std::nullopt;
    const pid_t helper = fork();
    if (helper < 0) {
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        return std::nullopt;
    }
    if (helper == 0) {
        // Only async-signal-safe calls from here on. The grandchild is the shell; its parent
        // ends at once, so nothing of ours waits for it.
        if (fork() == 0 && dup2(pipeEnds[1], 3) == 3)
            execv(argv[0], argv);
        _exit(0);
    }
    close(pipeEnds[1]);
    waitpid(helper, nullptr, 0);

    QEventLoop loop;
    QSocketNotifier answer(pipeEnds[0], QSocketNotifier::Read);
    QObject::connect(&answer, &QSocketNotifier::activated, &loop, &QEventLoop::quit);
    QTimer::singleShot(kOpenWaitMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    char status[8] = {};
    const ssize_t got = read(pipeEnds[0], status, sizeof status - 1);
    close(pipeEnds[0]);
    return got <= 0 || status[0] == '0';
}

} // namespace

// Waits for the portal's answer to one request: the chooser reports after the call returned.
class PortalRequest : public QObject {
    Q_OBJECT

public:
    explicit PortalRequest(std::function<void()> notStarted)
        : m_notStarted(std::move(notStarted))
    {
    }

public slots:
    // 0: a program was started; 1: the user cancelled; 2: the portal started nothing.
    void Response(uint response, const QVariantMap&)
    {
        if (response == 2 && m_notStarted)
            m_notStarted();
        deleteLater();
    }

private:
    std::function<void()> m_notStarted;
};

QUrl LocalFileUrl(const std::string& path)
{
    return QUrl::fromEncoded("file://" + QByteArray::fromStdString(path).toPercentEncoding("/"));
}

bool SystemShell::OpenUrl(const QUrl& url)
{
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
        return false;
    if (const std::optional<bool> opened = OpenWithXdgOpen(url))
        return *opened;
    return QDesktopServices::openUrl(url);
}

bool SystemShell::ChooseProgramFor(const std::string& path, QWindow* parent,
                                   std::function<void()> notStarted)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const QDBusUnixFileDescriptor file(fd);  // holds a duplicate
    ::close(fd);

    // The request's object path follows from our bus name and the token, so the answer is
    // listened for before the call can produce it.
    static int requests = 0;
    const QString token = QStringLiteral("quillmark%1").arg(++requests);
    QString sender = bus.baseService().mid(1);
    sender.replace(u'.', u'_');
    const QString requestPath = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    auto* request = new PortalRequest(std::move(notStarted));
    bus.connect(QString(), requestPath, QStringLiteral("org.freedesktop.portal.Request"),
                QStringLiteral("Response"), request, SLOT(Response(uint, QVariantMap)));

    QDBusMessage call = QDBusMessage::createMethodCall(kPortalService, QStringLiteral("/org/freedesktop/portal/desktop"),
                                                       QStringLiteral("org.freedesktop.portal.OpenURI"),
                                                       QStringLiteral("OpenFile"));
    const QVariantMap options{{QStringLiteral("ask"), true}, {QStringLiteral("handle_token"), token}};
    call << PortalParent(parent) << QVariant::fromValue(file) << options;
    const QDBusMessage reply = bus.call(call, QDBus::Block, kDBusTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return true;
    bus.disconnect(QString(), requestPath, QStringLiteral("org.freedesktop.portal.Request"),
                   QStringLiteral("Response"), request, SLOT(Response(uint, QVariantMap)));
    delete request;
    return false;
}

bool SystemShell::ShowProperties(const std::string& path)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItemProperties"));
    call << QStringList{LocalFileUrl(path).toString(QUrl::FullyEncoded)} << QString();
    return bus.call(call, QDBus::Block, kDBusTimeoutMs).type() == QDBusMessage::ReplyMessage;
}

std::vector<DesktopApplication> SystemShell::ApplicationsFor(const std::string& path)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(QFile::decodeName(QByteArray::fromStdString(path)));
    return ::ApplicationsFor(QStringList{type.name()} + type.allAncestors(),
                             QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation),
                             QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation));
}

bool SystemShell::StartProgram(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

bool SystemShell::HasProgram(const QString& name)
{
    return !QStandardPaths::findExecutable(name).isEmpty();
}

ProgramRun SystemShell::RunProgram(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted())
        return {false, {}, process.errorString()};
    // A program that asks a question reads the end of its input and gives up.
    process.closeWriteChannel();
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(kRunTimeoutMs, &loop, &QEventLoop::quit);
    if (process.state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        return {false, {}, QStringLiteral("%1 did not finish within a minute").arg(program)};
    }
    const QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    if (process.exitStatus() != QProcess::NormalExit)
        return {false, output, errors.isEmpty() ? process.errorString() : errors};
    if (process.exitCode() != 0)
        return {false, output, errors.isEmpty() ? QStringLiteral("%1 ended with code %2").arg(program).arg(process.exitCode()) : errors};
    return {true, output, errors};
}

#include "DesktopShell.moc"
