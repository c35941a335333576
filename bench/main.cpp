#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// The offscreen platform warns at every window shown; the start-up
// benchmarks show thousands.
QtMessageHandler standardMessages = nullptr;

void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.contains(QLatin1String("propagateSizeHints"))) return;
  standardMessages(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  standardMessages = qInstallMessageHandler(quietMessages);
  // Widgets, not only images: the start-up benchmarks build whole windows.
  QApplication app(argc, argv);
  ::benchmark::Initialize(&argc, argv);
  if (::benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  ::benchmark::RunSpecifiedBenchmarks();
  ::benchmark::Shutdown();
  return 0;
}
