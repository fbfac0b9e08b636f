// Measures reading and saving a full library: ten shelves and fifty books, each book's
// cover unpacked from its container as the start of a session does. Deliberate waits
// are scaled to nothing.

#include "bookfiles/container.h"
#include "library/libraryfiles.h"
#include "quietfeedback.h"
#include "shell/context.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tessera;

namespace {
template <typename F> double medianMs(int repeats, F&& work) {
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/tessera-library-bench-XXXXXX"));
    QuietFeedback feedback;
    Clock clock;
    Random random;
    Context ctx(feedback, clock, random, 0.0);
    ctx.settings.appDir = QDir::toNativeSeparators(dir.path()) + QDir::separator();
    const QString books = ctx.appFile(QStringLiteral("books")) + QDir::separator();
    QDir().mkpath(books);

    // One set of member files serves every book; the thumbnail is a 32 x 32 bitmap.
    std::array<QString, hdr::MemberCount> sources;
    for (int m = 0; m < hdr::MemberCount; ++m) {
        sources[m] = ctx.appFile(QStringLiteral("member%1").arg(m));
        QFile file(sources[m]);
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray(m == Records ? 2200 * 200 : 3000, char('a' + m)));
    }
    QImage thumbnail(32, 32, QImage::Format_RGB32);
    thumbnail.fill(Qt::darkCyan);
    thumbnail.save(sources[Thumbnail], "BMP");

    Library library;
    for (int shelf = 1; shelf <= shelves::ShelfCount; ++shelf)
        library.addShelf(QStringLiteral("Shelf %1").arg(shelf));
    for (int b = 0; b < shelves::SlotCount; ++b) {
        const QString name = QStringLiteral("Book %1").arg(b + 1);
        ContainerWrite request;
        request.destination = books + name + QStringLiteral(".tsb");
        request.sources = sources;
        if (!writeContainer(request).ok()) return 1;
        library.enterBook(name, books, b % shelves::ShelfCount);
    }
    if (!saveLibrary(ctx, library)) return 1;

    Library check;
    readLibrary(ctx, check);
    if (check.countBooks() != shelves::SlotCount) {
        std::fprintf(stderr, "the library read back %d books\n", check.countBooks());
        return 1;
    }

    const int repeats = 9;
    ctx.eventLog().setEnabled(true);
    const double read = medianMs(repeats, [&] {
        Library again;
        readLibrary(ctx, again);
    });
    const double save = medianMs(repeats, [&] { saveLibrary(ctx, library); });
    ctx.eventLog().setEnabled(false);
    const double readQuiet = medianMs(repeats, [&] {
        Library again;
        readLibrary(ctx, again);
    });
    std::printf("| operation (10 shelves, 50 books) | median of %d, ms |\n|---|---|\n", repeats);
    std::printf("| read the library, covers unpacked | %.1f |\n", read);
    std::printf("| read the library, event log off | %.1f |\n", readQuiet);
    std::printf("| save the library | %.1f |\n", save);
    return 0;
}
