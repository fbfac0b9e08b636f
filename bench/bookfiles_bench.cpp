// Measures the book-file operations on books of 100, 1000 and 16768 records
// (the largest with about 64 MiB of pictures) and sets each time beside a
// plain read-and-write copy of the book's bytes measured in the same run.
// Deliberate waits are scaled to nothing.

#include "bookfiles/container.h"
#include "bookfiles/questiondb.h"
#include "quietfeedback.h"
#include "shell/context.h"
#include "shell/datetext.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

using namespace tessera;

namespace {
constexpr int PictureSize = 4000; // 16768 pictures make about 64 MiB
constexpr qint64 CopyChunk = 1 << 20;

QByteArray filler(int size, int seed) {
    QByteArray bytes(size, '\0');
    quint32 x = 2463534242u + quint32(seed) * 2654435761u;
    for (int i = 0; i < size; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        bytes[i] = char(x);
    }
    return bytes;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The working files of a book of n records, each with its picture.
bool makeWorkingFiles(Context& ctx, int n) {
    QFile db(ctx.appFile(QStringLiteral("database.db")));
    QFile mb(ctx.appFile(QStringLiteral("database.mb")));
    if (!db.open(QIODevice::WriteOnly) || !mb.open(QIODevice::WriteOnly)) return false;
    const QDateTime now(QDate(2026, 12, 11), QTime(10, 0));
    for (int i = 0; i < n; ++i) {
        QuestionRecord r = newRecord(now);
        r.Tema = QStringLiteral("Topic %1").arg(i % 20);
        r.Pregunta = QStringLiteral("Question number %1, with some words to read").arg(i);
        r.Respuesta = QStringLiteral("Answer %1").arg(i);
        r.ImagenPos = i * PictureSize;
        r.ImagenTam = pictureBlocksBytes(PictureSize);
        if (db.write(encodeRecord(r)) != 2200 || mb.write(filler(PictureSize, i)) != PictureSize)
            return false;
    }
    QByteArray params;
    for (int i = 0; i < 408; ++i)
        params += "100\r\n";
    return writeFile(ctx.appFile(QStringLiteral("paramdb.dat")), params) &&
           writeFile(ctx.appFile(QStringLiteral("historic.db")), filler(64 * 200, 1)) &&
           writeFile(ctx.appFile(QStringLiteral("cover.jpg")), filler(60000, 2)) &&
           writeFile(ctx.appFile(QStringLiteral("image.bmp")), filler(12000, 3));
}

// The yardstick: read a file and write the same bytes to another, as plainly as possible.
bool plainCopy(const QString& from, const QString& to) {
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (;;) {
        const QByteArray chunk = in.read(CopyChunk);
        if (chunk.isEmpty()) break;
        if (out.write(chunk) != chunk.size()) return false;
    }
    return out.flush();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs prepare (untimed) and then the operation (timed) several times; the median in ms.
double measure(const char* name, int repeats, const std::function<void()>& prepare,
               const std::function<bool()>& operation) {
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        if (!operation()) {
            std::fprintf(stderr, "%s failed\n", name);
            std::exit(1);
        }
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    return median(times);
}

const char* const CopyOver = "plain copy over an existing file";
const char* const CopyNew = "plain copy into a new file";

struct Row {
    QString name;
    std::map<int, double> ms;
};

class BookBench {
public:
    BookBench(Context& ctx, int records, int repeats)
        : ctx_(ctx), records_(records), repeats_(repeats),
          book_(ctx.appFile(QStringLiteral("books/bench.tsb"))) {}

    bool build() {
        QDir().mkpath(ctx_.appFile(QStringLiteral("books")));
        header_.title = QStringLiteral("Benchmark");
        header_.key = {1, 2, 3, 4, 5, 6, 7, 8};
        return makeWorkingFiles(ctx_, records_) && packBook(ctx_, {book_, header_, QString()});
    }

    qint64 size() const { return QFileInfo(book_).size(); }

    void run(std::vector<Row>& rows) {
        const QString scratch = ctx_.appFile(QStringLiteral("copy.bin"));
        const auto nothing = [] {};
        const auto unpacked = [this] { unpackBook(ctx_, book_, UnpackMode::Full); };
        // Two yardsticks: a copy over an existing file of the book's size (what
        // packing and unpacking do: they replace files, and the file system pays for
        // dropping the old bytes) and a copy into a new file (page-cache speed).
        plainCopy(book_, scratch);
        add(rows, CopyOver,
            measure(CopyOver, repeats_, nothing, [&] { return plainCopy(book_, scratch); }));
        add(rows, CopyNew,
            measure(
                CopyNew, repeats_, [&] { QFile::remove(scratch); },
                [&] { return plainCopy(book_, scratch); }));
        QFile::remove(scratch);
        add(rows, "full unpack", measure("full unpack", repeats_, nothing, [this] {
                return unpackBook(ctx_, book_, UnpackMode::Full).has_value();
            }));
        add(rows, "header-only unpack", measure("header-only unpack", repeats_, nothing, [this] {
                return unpackBook(ctx_, book_, UnpackMode::HeaderOnly).has_value();
            }));
        // Each event-log line is a complete rewrite of log.txt; these rows show the file work
        // alone.
        ctx_.eventLog().setEnabled(false);
        add(rows, "full unpack, event log off", measure("full unpack", repeats_, nothing, [this] {
                return unpackBook(ctx_, book_, UnpackMode::Full).has_value();
            }));
        add(rows, "header-only unpack, event log off",
            measure("header-only unpack", repeats_, nothing, [this] {
                return unpackBook(ctx_, book_, UnpackMode::HeaderOnly).has_value();
            }));
        ctx_.eventLog().setEnabled(true);
        add(rows, "pack", measure("pack", repeats_, unpacked, [this] {
                return packBook(ctx_, {book_, header_, QString()});
            }));
        unpackBook(ctx_, book_, UnpackMode::Full);
        QuestionDatabase db(ctx_);
        db.open();
        const int middle = (records_ + 1) / 2;
        for (const auto& [label, n] : {std::pair{"write back, first record", 1},
                                       std::pair{"write back, middle record", middle},
                                       std::pair{"write back, last record", records_}})
            add(rows, label,
                measure(
                    label, repeats_,
                    [&db, n = n] {
                        db.read(n);
                        ++db.buffer().PregTot;
                    },
                    [&db] { return db.writeBack(); }));
        const QString picture = ctx_.appFile(QStringLiteral("picture.jpg"));
        writeFile(picture, filler(PictureSize, 99));
        add(rows, "replace with picture",
            measure(
                "replace with picture", repeats_, [&] { db.read(middle); },
                [&] { return db.replaceWithPicture(db.buffer(), picture); }));
        const QuestionRecord fresh = newRecord(QDateTime(QDate(2026, 12, 11), QTime(11, 0)));
        // Deletions first, so that a full book has room for the insertions that put it back.
        add(rows, "delete",
            measure(
                "delete", repeats_, [&] { db.read(middle); }, [&] { return db.remove(); }));
        add(rows, "insert",
            measure(
                "insert", repeats_, [&] { db.read(middle); },
                [&] { return db.insert(fresh, InsertPlace::After); }));
        db.close();
        deleteWorkingFiles(ctx_);
    }

private:
    void add(std::vector<Row>& rows, const char* name, double ms) {
        auto it = std::find_if(rows.begin(), rows.end(),
                               [&](const Row& r) { return r.name == QLatin1String(name); });
        if (it == rows.end()) it = rows.insert(rows.end(), Row{QLatin1String(name), {}});
        it->ms[records_] = ms;
    }

    Context& ctx_;
    int records_;
    int repeats_;
    QString book_;
    BookHeader header_;
};
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir(app.arguments().size() > 1
                          ? app.arguments()[1] + QStringLiteral("/bench-XXXXXX")
                          : QDir::tempPath() + QStringLiteral("/tessera-bench-XXXXXX"));
    QuietFeedback feedback;
    Clock clock;
    Random random;
    Context ctx(feedback, clock, random, 0.0);
    ctx.settings.appDir = QDir::toNativeSeparators(dir.path()) + QDir::separator();
    ctx.settings.backupDir = ctx.settings.appDir + QStringLiteral("backup") + QDir::separator();
    ctx.eventLog().setEnabled(true);

    const std::vector<std::pair<int, int>> sizes = {{100, 21}, {1000, 11}, {16768, 7}};
    std::vector<Row> rows;
    std::map<int, qint64> bookSizes;
    for (const auto& [records, repeats] : sizes) {
        BookBench bench(ctx, records, repeats);
        if (!bench.build()) {
            std::fprintf(stderr, "could not build the book of %d records\n", records);
            return 1;
        }
        bookSizes[records] = bench.size();
        bench.run(rows);
    }

    std::printf("| operation |");
    for (const auto& [records, repeats] : sizes)
        std::printf(" %d records (%.1f MiB) |", records, bookSizes[records] / 1048576.0);
    std::printf("\n|---|");
    for (size_t i = 0; i < sizes.size(); ++i)
        std::printf("---|");
    std::printf("\n");
    const auto baseline = [&rows](const char* name) {
        return *std::find_if(rows.begin(), rows.end(),
                             [&](const Row& r) { return r.name == QLatin1String(name); });
    };
    const Row over = baseline(CopyOver);
    const Row fresh = baseline(CopyNew);
    for (const Row& row : rows) {
        std::printf("| %s |", qPrintable(row.name));
        for (const auto& [records, repeats] : sizes) {
            const double ms = row.ms.at(records);
            std::printf(" %.3f ms (%.2fx / %.2fx) |", ms, ms / over.ms.at(records),
                        ms / fresh.ms.at(records));
        }
        std::printf("\n");
    }
    std::printf("\nMedian of repeated runs. (a / b): time divided by a plain copy of the same "
                "book's bytes over an existing file / into a new file.\n");
    return 0;
}
