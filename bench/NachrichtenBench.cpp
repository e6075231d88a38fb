// The cost of one message to a monitor client: connect, frame, answer and
// disconnect against a listener in the same process that answers at once.

#include "report/netz/Nachrichtenversand.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

QString Host(int i) { return QStringLiteral("127.0.0.%1").arg(i); }

// Listens on 127.0.0.1 .. 127.0.0.n, all on one port, and answers every
// complete message at once.
class Client {
public:
    explicit Client(int n)
    {
        for (int versuch = 0; versuch < 20 && m_server.size() < std::size_t(n); ++versuch) {
            m_server.clear();
            quint16 port = 0;
            for (int i = 1; i <= n; ++i) {
                auto s = std::make_unique<QTcpServer>();
                if (!s->listen(QHostAddress(Host(i)), port)) break;
                port = s->serverPort();
                QObject::connect(s.get(), &QTcpServer::newConnection, [server = s.get()] { annehmen(*server); });
                m_server.push_back(std::move(s));
            }
        }
    }
    quint16 port() const { return m_server.empty() ? 0 : m_server.front()->serverPort(); }

private:
    static void annehmen(QTcpServer& server)
    {
        while (QTcpSocket* s = server.nextPendingConnection()) {
            QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            QObject::connect(s, &QTcpSocket::readyRead, s, [s] {
                const QByteArray b = s->peek(s->bytesAvailable());
                const int n = b.left(4).toInt();
                if (b.size() < 8 + n || b.size() < 8 + n + b.mid(4 + n, 4).toInt()) return;
                s->readAll();
                s->write("OK              ");
            });
        }
    }
    std::vector<std::unique_ptr<QTcpServer>> m_server;
};

// `hosts` loopback addresses, one message each per iteration, all queued at once.
void Nachrichten(benchmark::State& state)
{
    const int hosts = int(state.range(0));
    Client client(hosts);
    if (client.port() == 0) return state.SkipWithError("no common port for the listeners");
    Nachrichtenversand v;
    v.setPort(client.port());
    int offen = 0;
    bool fehler = false;
    QEventLoop schleife;
    QObject::connect(&v, &Nachrichtenversand::beendet, [&](const QString&, bool ok) {
        fehler |= !ok;
        if (--offen == 0) schleife.quit();
    });
    for (auto _ : state) {
        offen = hosts;
        for (int i = 1; i <= hosts; ++i) v.senden(Host(i), "Anzeige", "True;False;8");
        schleife.exec();
    }
    if (fehler) state.SkipWithError("a message was not answered");
    state.counters["Nachrichten/s"] =
        benchmark::Counter(double(state.iterations()) * hosts, benchmark::Counter::kIsRate);
}
BENCHMARK(Nachrichten)->Arg(1)->Arg(16)->UseRealTime()->MinTime(0.5)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
