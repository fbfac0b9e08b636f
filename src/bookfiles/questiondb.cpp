#include "bookfiles/questiondb.h"

#include "bookfiles/binaryfield.h"
#include "bookfiles/progressscope.h"
#include "bookfiles/replacefile.h"
#include "shell/context.h"
#include "shell/errors.h"

#include <limits>

namespace tessera {

namespace {
constexpr int RecordsPerRead = 512;
constexpr qint64 CopyChunk = 1 << 20;
constexpr int CopyingStatus = 113;

const QString RecordsName = QStringLiteral("database.db");
const QString PicturesName = QStringLiteral("database.mb");
const QString RecordsTwinName = QStringLiteral("database2.db");
const QString PicturesTwinName = QStringLiteral("database2.mb");
const QString ExtractedName = QStringLiteral("imagen.jpg");

// Reads the record file from the start in runs of records.
class RecordRun {
public:
    RecordRun(QFile& file, int count) : file_(file), left_(count) { ok_ = file_.seek(0); }
    bool next(QByteArray& image) {
        if (at_ >= chunk_.size()) {
            const int records = std::min(left_, RecordsPerRead);
            chunk_ = file_.read(qint64(records) * rec::Size);
            at_ = 0;
            left_ -= records;
            if (chunk_.size() != qint64(records) * rec::Size) ok_ = false;
        }
        if (!ok_) return false;
        image = chunk_.mid(at_, rec::Size);
        at_ += rec::Size;
        return true;
    }

private:
    QFile& file_;
    int left_;
    QByteArray chunk_;
    qsizetype at_ = 0;
    bool ok_ = true;
};

// Collects small writes into large ones.
class RunWriter {
public:
    explicit RunWriter(QFile& file) : file_(file) {}
    bool write(const QByteArray& bytes) {
        pending_ += bytes;
        return pending_.size() < CopyChunk || flush();
    }
    bool flush() {
        const bool ok = file_.write(pending_) == pending_.size() && file_.flush();
        pending_.clear();
        return ok;
    }

private:
    QFile& file_;
    QByteArray pending_;
};

bool copyRange(QFile& from, qint64 start, qint64 length, RunWriter& to) {
    if (!from.seek(start)) return false;
    while (length > 0) {
        const QByteArray bytes = from.read(std::min(CopyChunk, length));
        if (bytes.isEmpty() || !to.write(bytes)) return false;
        length -= bytes.size();
    }
    return true;
}

// The stored picture of a record: whole 1024-byte blocks from its position, fewer
// at the end of the store; nothing for a position outside the store.
QByteArray storedPicture(QFile& store, qint32 position, qint32 storedLength) {
    const qint64 length = storedLength > 0 ? pictureBlocksBytes(storedLength) : 0;
    if (length == 0 || position < 0 || position >= store.size() || !store.seek(position))
        return QByteArray();
    return store.read(std::min<qint64>(length, store.size() - position));
}

// Reads the picture store through a window of a few megabytes: pictures
// usually follow record order, so a rebuild reads the store front to back.
class StoreWindow {
public:
    explicit StoreWindow(QFile& store) : store_(store), size_(store.size()) {}
    QByteArray picture(qint32 position, qint32 storedLength) {
        const qint64 length = storedLength > 0 ? pictureBlocksBytes(storedLength) : 0;
        if (length == 0 || position < 0 || position >= size_) return QByteArray();
        const qint64 wanted = std::min<qint64>(length, size_ - position);
        if (position < start_ || position + wanted > start_ + window_.size()) {
            if (!store_.seek(position)) return QByteArray();
            window_ = store_.read(std::max(wanted, WindowSize));
            start_ = position;
        }
        return window_.mid(position - start_, wanted);
    }

private:
    static constexpr qint64 WindowSize = 4 << 20;
    QFile& store_;
    qint64 size_;
    qint64 start_ = 0;
    QByteArray window_;
};

// A record's picture on its way into the rebuilt store.
struct PlacedPicture {
    QByteArray bytes;
    qint32 stored = 0;    // ImagenTam
    bool cleared = false; // the record gives up its picture: ImagenPos 0
};

std::optional<PlacedPicture> pictureFromFile(QFile* picture) {
    if (!picture) return PlacedPicture{QByteArray(), 0, true};
    PlacedPicture placed{picture->readAll()};
    if (picture->error() != QFileDevice::NoError) return std::nullopt;
    placed.stored = pictureBlocksBytes(placed.bytes.size());
    return placed;
}

PlacedPicture pictureFromStore(StoreWindow& store, const QByteArray& image) {
    const qint32 stored = bin::i32(image, rec::ImagenTam);
    return {store.picture(bin::i32(image, rec::ImagenPos), stored),
            stored > 0 ? pictureBlocksBytes(stored) : 0};
}

// Writes the record pointing at its picture, which goes at the end of the new store.
bool appendRecord(QByteArray& image, const PlacedPicture& placed, qint64& storeLength,
                  RunWriter& records, RunWriter& pictures) {
    bin::setI32(image, rec::ImagenPos, placed.cleared ? 0 : static_cast<qint32>(storeLength));
    bin::setI32(image, rec::ImagenTam, placed.stored);
    storeLength += placed.bytes.size();
    if (storeLength > std::numeric_limits<qint32>::max()) return false; // positions are 32-bit
    return pictures.write(placed.bytes) && records.write(image);
}

bool openFile(QFile& file, const QString& path, QIODevice::OpenMode mode) {
    if (file.isOpen()) file.close();
    file.setFileName(path);
    return file.open(mode);
}
} // namespace

QuestionDatabase::QuestionDatabase(Context& ctx) : ctx_(ctx) {}

QString QuestionDatabase::recordsPath() const {
    return ctx_.appFile(RecordsName);
}

QString QuestionDatabase::picturesPath() const {
    return ctx_.appFile(PicturesName);
}

QString QuestionDatabase::extractedPicturePath() const {
    return ctx_.appFile(ExtractedName);
}

void QuestionDatabase::countRemoval(const QByteArray& image) {
    if (!session_) return;
    --session_->recordsAdded;
    if (bin::flag(image, rec::VocBasico)) --session_->basicChange;
    if (bin::flag(image, rec::VocExt)) --session_->extendedChange;
}

bool QuestionDatabase::open() {
    position_ = 0;
    const bool records = openFile(records_, recordsPath(), QIODevice::ReadWrite);
    const bool pictures = openFile(pictures_, picturesPath(), QIODevice::ReadOnly);
    return records && pictures;
}

void QuestionDatabase::close() {
    records_.close();
    pictures_.close();
}

int QuestionDatabase::count() const {
    return records_.isOpen() ? static_cast<int>(records_.size() / rec::Size) : 0;
}

bool QuestionDatabase::readImage(int n, QByteArray& image) {
    if (!records_.isOpen() || n < 1 || n > count() || !records_.seek(qint64(n - 1) * rec::Size))
        return false;
    image = records_.read(rec::Size);
    return image.size() == rec::Size;
}

bool QuestionDatabase::read(int n) {
    if (ctx_.settings.fatalError) return false;
    QByteArray image;
    if (!readImage(n, image)) return false;
    buffer_ = decodeRecord(image);
    position_ = n;
    return true;
}

bool QuestionDatabase::readFirst() {
    return read(1);
}

bool QuestionDatabase::readNext() {
    return read(position_ + 1);
}

bool QuestionDatabase::writeBack() {
    if (ctx_.settings.fatalError) return false;
    if (!records_.isOpen()) {
        reportError(ctx_, err::WriteBackReopen);
        return false;
    }
    if (position_ < 1 || position_ > count()) return false;
    // Written in place: the file comes out exactly as a rewrite through a twin
    // would leave it, and the cost no longer grows with the book.
    const QByteArray image = encodeRecord(buffer_);
    if (recordProblem(buffer_) || !records_.seek(qint64(position_ - 1) * rec::Size) ||
        records_.write(image) != rec::Size || !records_.flush()) {
        reportError(ctx_, err::WriteBackRewrite);
        return false;
    }
    return true;
}

bool QuestionDatabase::reopen(int recordsError, int picturesError) {
    position_ = 0;
    if (!openFile(records_, recordsPath(), QIODevice::ReadWrite)) {
        reportError(ctx_, recordsError);
        return false;
    }
    if (picturesError && !openFile(pictures_, picturesPath(), QIODevice::ReadOnly)) {
        reportError(ctx_, picturesError);
        return false;
    }
    return true;
}

bool QuestionDatabase::replaceWorkingFiles(bool withPictures) {
    records_.close();
    if (withPictures) pictures_.close();
    ctx_.delay(50);
    const bool ok =
        (!withPictures || replaceFileWith(ctx_.appFile(PicturesTwinName), picturesPath())) &&
        replaceFileWith(ctx_.appFile(RecordsTwinName), recordsPath());
    ctx_.delay(50);
    return ok;
}

// Writes database2.db and database2.mb: every record in order with its picture
// copied into the new store right after the ones before it. Record `target`
// becomes the replacement (with the picture file, or none) or, without a
// replacement, is left out.
bool QuestionDatabase::rebuild(const QByteArray* replacement, QFile* picture, int target) {
    QFile recordsTwin(ctx_.appFile(RecordsTwinName));
    QFile picturesTwin(ctx_.appFile(PicturesTwinName));
    if (!recordsTwin.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        !picturesTwin.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    RunWriter recordsOut(recordsTwin);
    RunWriter picturesOut(picturesTwin);
    BusyScope busy(ctx_, CopyingStatus);
    const int n = count();
    StepProgress progress(n, busy.reporter());
    RecordRun run(records_, n);
    StoreWindow store(pictures_);
    qint64 storeLength = 0;
    QByteArray image;
    for (int i = 1; i <= n; ++i) {
        if (!run.next(image)) return false;
        progress.advance(1);
        if (i == target && !replacement) continue;
        const auto placed = i == target ? pictureFromFile(picture) : pictureFromStore(store, image);
        if (!placed) return false;
        if (i == target) image = *replacement;
        if (!appendRecord(image, *placed, storeLength, recordsOut, picturesOut)) return false;
    }
    return recordsOut.flush() && picturesOut.flush();
}

bool QuestionDatabase::replaceWithPicture(const QuestionRecord& edited,
                                          const QString& picturePath) {
    if (ctx_.settings.fatalError) return false;
    if (!isOpen()) {
        reportError(ctx_, err::ReplaceReopen);
        return false;
    }
    const int p = position_;
    if (p < 1 || p > count()) return false;
    QFile picture(picturePath);
    if (!picturePath.isEmpty() && !picture.open(QIODevice::ReadOnly)) {
        reportError(ctx_, err::ReplaceReadPicture);
        return false;
    }
    const QByteArray image = encodeRecord(edited);
    if (recordProblem(edited) || !rebuild(&image, picturePath.isEmpty() ? nullptr : &picture, p) ||
        !replaceWorkingFiles(true)) {
        reportError(ctx_, err::ReplaceRewrite);
        return false;
    }
    return reopen(err::ReplaceReopen, err::ReplaceReopen) && read(p);
}

bool QuestionDatabase::insert(const QuestionRecord& record, InsertPlace place) {
    if (ctx_.settings.fatalError) return false;
    if (!records_.isOpen()) {
        reportError(ctx_, err::InsertReopen);
        return false;
    }
    const int n = count();
    if (n >= rec::MaxRecords) return false;
    const int p = std::min(position_, n);
    const qint64 before = p == 0 ? 0 : qint64(place == InsertPlace::Before ? p - 1 : p) * rec::Size;
    const qint64 total = qint64(n) * rec::Size;

    QFile twin(ctx_.appFile(RecordsTwinName));
    bool ok = !recordProblem(record) && twin.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (ok) {
        BusyScope busy(ctx_, CopyingStatus);
        RunWriter out(twin);
        ok = copyRange(records_, 0, before, out) && out.write(encodeRecord(record)) &&
             copyRange(records_, before, total - before, out) && out.flush();
        busy.progress(100);
    }
    twin.close();
    if (!ok || !replaceWorkingFiles(false)) {
        reportError(ctx_, err::InsertRewrite);
        return false;
    }
    if (!reopen(err::InsertReopen, 0)) return false;
    if (session_) ++session_->recordsAdded;
    return true;
}

bool QuestionDatabase::remove() {
    if (ctx_.settings.fatalError) return false;
    if (!isOpen()) {
        reportError(ctx_, err::DeleteReopen);
        return false;
    }
    const int p = position_;
    QByteArray removed;
    if (!readImage(p, removed)) return false;
    if (!rebuild(nullptr, nullptr, p) || !replaceWorkingFiles(true)) {
        reportError(ctx_, err::DeleteRewrite);
        return false;
    }
    countRemoval(removed);
    return reopen(err::DeleteReopen, err::DeleteReopen);
}

bool QuestionDatabase::extractPicture() {
    if (ctx_.settings.fatalError) return false;
    QFile out(extractedPicturePath());
    const qint32 position = buffer_.ImagenPos;
    const bool inStore = pictures_.isOpen() && position >= 0 && position <= pictures_.size();
    const QByteArray bytes =
        inStore ? storedPicture(pictures_, position, buffer_.ImagenTam) : QByteArray();
    if (!inStore || !out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(bytes) != bytes.size() || !out.flush()) {
        reportError(ctx_, err::ExtractPicture);
        return false;
    }
    return true;
}

int QuestionDatabase::topicNumber(int n, const QStringList& topicNames) {
    if (ctx_.settings.fatalError) return 0;
    QByteArray image;
    if (!readImage(n, image)) return 0;
    const QString topic = decodeRecord(image).Tema;
    int number = 0;
    for (int t = 0; t < std::min<int>(22, topicNames.size()); ++t)
        if (topicNames[t] == topic) number = t + 1;
    return number;
}

} // namespace tessera
