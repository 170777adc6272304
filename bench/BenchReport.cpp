// tavrel-bench-report RESULTS.json OUTDIR: prints the table of a tavrel-bench run (the ratios the
// goals are about) and draws OUTDIR/slide-time.png, the slide's time against the bar's height.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <map>
#include <string>

namespace {

struct Result {
    double realTime = 0;  // in the benchmark's time unit
    std::string unit;
    double bytesPerSecond = 0;
    double perIcon = 0;
    double allocsPerFrame = -1;
};

double Microseconds(const Result& r) {
    if (r.unit == "ns") return r.realTime / 1000;
    if (r.unit == "ms") return r.realTime * 1000;
    return r.realTime;
}

// The median of repeated runs where there are repetitions, else the single run.
std::map<std::string, Result> Load(const QString& path) {
    QFile file(path);
    std::map<std::string, Result> results;
    if (!file.open(QIODevice::ReadOnly)) return results;
    // Aggregates of counters can be NaN or infinite, which JSON has no words for.
    QByteArray text = file.readAll();
    for (const char* word : {"-NaN", "NaN", "-nan", "nan", "-Infinity", "Infinity", "-inf", "inf"})
        text.replace(QByteArray(": ") + word, ": null");
    const QJsonArray runs = QJsonDocument::fromJson(text).object().value("benchmarks").toArray();
    for (const QJsonValue& value : runs) {
        const QJsonObject run = value.toObject();
        std::string name = run.value("run_name").toString().toStdString();
        const QString type = run.value("run_type").toString();
        if (type == "aggregate" && run.value("aggregate_name").toString() != "median") continue;
        Result r{run.value("real_time").toDouble(), run.value("time_unit").toString().toStdString(),
                 run.value("bytes_per_second").toDouble(), run.value("us_per_icon").toDouble(),
                 run.contains("allocs_per_frame") ? run.value("allocs_per_frame").toDouble() : -1};
        if (type == "aggregate" || !results.count(name)) results[name] = r;
    }
    return results;
}

void Chart(const std::map<std::string, Result>& results, const QString& path) {
    std::map<int, double> points;
    for (const auto& [name, r] : results)
        if (name.rfind("BM_Slide/", 0) == 0)
            points[std::stoi(name.substr(9))] = Microseconds(r) / 2;  // one switch
    if (points.empty()) return;
    QImage image(640, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plot(70, 30, 540, 310);
    double maxTime = 0;
    for (const auto& [h, t] : points) maxTime = std::max(maxTime, t);
    const double maxHeight = points.rbegin()->first * 1.05;
    p.setPen(Qt::black);
    p.drawRect(plot);
    const auto at = [&](double h, double t) {
        return QPointF(plot.left() + plot.width() * h / maxHeight,
                       plot.bottom() - plot.height() * t / (maxTime * 1.1));
    };
    QPainterPath line;
    bool first = true;
    for (const auto& [h, t] : points) {
        first ? line.moveTo(at(h, t)) : line.lineTo(at(h, t));
        first = false;
    }
    p.setPen(QPen(QColor(40, 90, 200), 2));
    p.drawPath(line);
    p.setPen(Qt::black);
    for (const auto& [h, t] : points) {
        p.setBrush(QColor(40, 90, 200));
        p.drawEllipse(at(h, t), 3, 3);
        p.drawText(at(h, 0) + QPointF(-12, 16), QString::number(h));
        p.drawText(at(h, t) + QPointF(6, -6), QString::number(t, 'f', 0));
    }
    p.drawText(QRectF(0, 370, 640, 24), Qt::AlignCenter, QStringLiteral("bar height (pixels)"));
    p.save();
    p.translate(20, 200);
    p.rotate(-90);
    p.drawText(QRectF(-150, -10, 300, 24), Qt::AlignCenter,
               QStringLiteral("one menu switch (microseconds)"));
    p.restore();
    p.drawText(QRectF(0, 4, 640, 24), Qt::AlignCenter,
               QStringLiteral("Slide from menu 1 to menu 3 of three, 120 pixels wide"));
    p.end();
    image.save(path, "PNG");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tavrel-bench-report RESULTS.json OUTDIR\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const auto results = Load(argv[1]);
    if (results.empty()) {
        std::fprintf(stderr, "tavrel-bench-report: no results in %s\n", argv[1]);
        return 1;
    }
    std::printf("| case | value | goal |\n|---|---|---|\n");
    for (const auto& [name, r] : results) {
        if (name.rfind("BM_BandCopy/", 0) != 0) continue;
        const auto twin = results.find("BM_Memmove/" + name.substr(12));
        if (twin == results.end() || twin->second.bytesPerSecond == 0) continue;
        std::printf("| BandCopy/Memmove %s | %.2f | >= 0.8 |\n", name.substr(12).c_str(),
                    r.bytesPerSecond / twin->second.bytesPerSecond);
    }
    const auto tavrel = results.find("BM_TavrelSwitch"),
               toolbox = results.find("BM_QToolBoxSwitch");
    if (tavrel != results.end() && toolbox != results.end())
        std::printf("| TavrelSwitch/QToolBoxSwitch | %.2f (%.0f us / %.0f us) | <= 0.5 |\n",
                    Microseconds(tavrel->second) / Microseconds(toolbox->second),
                    Microseconds(tavrel->second), Microseconds(toolbox->second));
    if (const auto cache = results.find("BM_SetupCache"); cache != results.end())
        std::printf("| SetupCache per icon | %.1f us | |\n", Microseconds(cache->second) / 60);
    for (const char* name : {"BM_Slide/1080", "BM_Scroll"})
        if (const auto r = results.find(name); r != results.end() && r->second.allocsPerFrame >= 0)
            std::printf("| %s allocs_per_frame | %g | 0 |\n", name + 3, r->second.allocsPerFrame);
    for (const char* name : {"BM_Slide/300", "BM_Slide/1080", "BM_Scroll", "BM_StaticPaint",
                             "BM_ScaleAtPaint", "BM_Click"})
        if (const auto r = results.find(name); r != results.end())
            std::printf("| %s | %.1f us | |\n", name + 3, Microseconds(r->second));
    Chart(results, QString::fromUtf8(argv[2]) + "/slide-time.png");
    return 0;
}
