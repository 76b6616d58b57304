// The binding engine on generated forms of plain edit boxes: the time per entry of loading and
// applying a document, of collecting and saving it, and of both, as the document grows.
#include "UIHelper.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {
const QString kKind = QStringLiteral("测试申请");

QTemporaryDir &workDir()
{
    static QTemporaryDir dir;
    return dir;
}

// A definition of n plain entries, each bound to its own field with a value.
QString documentFor(int n)
{
    static std::map<int, QString> paths;
    auto it = paths.find(n);
    if (it != paths.end())
        return it->second;
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"GBK\"?>\n<root>\n"
                     "  <config-type value=\"\xB2\xE2\xCA\xD4\xC9\xEA\xC7\xEB\"/>\n  <ui-relation/>\n  <ui-data>\n";
    for (int i = 0; i < n; ++i)
        xml += "    <e type=\"Edit\" name=\"Edit" + QByteArray::number(i) + "\" Field=\"f" + QByteArray::number(i)
               + "\"/>\n";
    xml += "  </ui-data>\n  <data-fields>\n";
    for (int i = 0; i < n; ++i)
        xml += "    <f name=\"f" + QByteArray::number(i) + "\" value=\"\xD6\xB5" + QByteArray::number(i) + "\"/>\n";
    xml += "  </data-fields>\n</root>\n";
    const QString path = workDir().filePath(QStringLiteral("doc%1.xml").arg(n));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(xml);
    paths[n] = path;
    return path;
}

std::unique_ptr<QWidget> formFor(int n)
{
    auto form = std::make_unique<QWidget>();
    form->setObjectName(QStringLiteral("FrmBench"));
    for (int i = 0; i < n; ++i)
        (new QLineEdit(form.get()))->setObjectName(QStringLiteral("Edit%1").arg(i));
    return form;
}

void perEntry(benchmark::State &state, int n)
{
    state.counters["per_entry"] =
        benchmark::Counter(double(n), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Load and apply into a fresh form each time (the form's name index is built inside the timing).
void BM_LoadApply(benchmark::State &state)
{
    const int n = int(state.range(0));
    const QString path = documentFor(n);
    for (auto _ : state) {
        state.PauseTiming();
        auto form = formFor(n);
        state.ResumeTiming();
        auto *helper = new TUIHelper(form.get());
        helper->FileName = path;
        helper->LoadFile(kKind);
        benchmark::DoNotOptimize(helper->Document());
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
    perEntry(state, n);
}

void BM_CollectSave(benchmark::State &state)
{
    const int n = int(state.range(0));
    auto form = formFor(n);
    auto *helper = new TUIHelper(form.get());
    helper->FileName = documentFor(n);
    helper->LoadFile(kKind);
    const QString out = workDir().filePath(QStringLiteral("out%1.qx").arg(n));
    for (auto _ : state)
        helper->SaveFile(out);
    perEntry(state, n);
}

void BM_LoadApplyCollectSave(benchmark::State &state)
{
    const int n = int(state.range(0));
    const QString path = documentFor(n);
    const QString out = workDir().filePath(QStringLiteral("round%1.qx").arg(n));
    for (auto _ : state) {
        state.PauseTiming();
        auto form = formFor(n);
        state.ResumeTiming();
        auto *helper = new TUIHelper(form.get());
        helper->FileName = path;
        helper->LoadFile(kKind);
        helper->SaveFile(out);
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
    perEntry(state, n);
}

void sizes(benchmark::internal::Benchmark *b)
{
    b->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
}
}  // namespace

BENCHMARK(BM_LoadApply)->Apply(sizes)->MinTime(0.5);
BENCHMARK(BM_CollectSave)->Apply(sizes)->MinTime(0.5);
BENCHMARK(BM_LoadApplyCollectSave)->Apply(sizes)->MinTime(0.5);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
