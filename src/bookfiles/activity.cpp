#include "bookfiles/activity.h"

#include "bookfiles/binaryfield.h"

namespace tessera {

ActivityRecord decodeActivity(const QByteArray& image) {
    ActivityRecord r;
    r.kind = static_cast<ActivityKind>(bin::u8(image, act::Kind));
    r.book = bin::i32(image, act::Book);
    r.record = bin::i32(image, act::Record);
    r.level = bin::u8(image, act::Level);
    r.text = bin::shortString(image, act::Text, act::TextCapacity);
    r.right = bin::flag(image, act::Right);
    r.option = bin::u8(image, act::Option);
    r.moment = bin::f64(image, act::Moment);
    return r;
}

QByteArray encodeActivity(const ActivityRecord& r) {
    if (bin::ansiProblem(r.text, act::TextCapacity) != bin::TextProblem::None) return {};
    QByteArray image(act::Size, '\0');
    bin::setU8(image, act::Kind, static_cast<quint8>(r.kind));
    bin::setI32(image, act::Book, r.book);
    bin::setI32(image, act::Record, r.record);
    bin::setU8(image, act::Level, r.level);
    bin::setShortString(image, act::Text, act::TextCapacity, r.text);
    bin::setFlag(image, act::Right, r.right);
    bin::setU8(image, act::Option, r.option);
    bin::setF64(image, act::Moment, r.moment);
    return image;
}

bool ActivityFile::open(const QString& path) {
    close();
    file_.setFileName(path);
    return file_.open(QIODevice::ReadWrite) && file_.seek(file_.size());
}

void ActivityFile::close() {
    if (file_.isOpen()) file_.close();
}

bool ActivityFile::append(const ActivityRecord& record) {
    const QByteArray image = encodeActivity(record);
    if (image.isEmpty() || !file_.isOpen()) return false;
    // A torn record left by an earlier failure is cut so the file stays a whole number of records.
    const qint64 end = file_.size() / act::Size * act::Size;
    if (end != file_.size() && !file_.resize(end)) return false;
    return file_.seek(end) && file_.write(image) == act::Size && file_.flush();
}

} // namespace tessera
