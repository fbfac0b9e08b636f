#pragma once

#include "bookfiles/history.h"
#include "bookfiles/questionrecord.h"

#include <QFile>
#include <QStringList>

namespace tessera {

class Context;

// Where Insert puts the new record, a book-wide choice of the editors.
enum class InsertPlace { Before = 0, After = 1 };

// The record files of the open book: database.db (2200-byte records) and the
// picture store database.mb, both in the application directory and open for
// the whole visit. The position counts the records read since the last seek;
// the record just read is the current record, held in the buffer.
//
// Every operation does nothing once the program is stopping (fatal-error flag).
// Replace, insert and delete build a complete twin (database2.db / .mb) and
// rename it over the working file, so a failure half-way keeps the old file.
class QuestionDatabase {
public:
    explicit QuestionDatabase(Context& ctx);

    // The session whose counters insert and delete keep; may be null.
    void setSession(SessionCounters* session) { session_ = session; }

    // Opens both working files at position 0; false when one cannot be opened
    // (the next operation that needs it reports its error).
    bool open();
    void close();
    bool isOpen() const { return records_.isOpen() && pictures_.isOpen(); }

    int count() const;
    int position() const { return position_; }
    // Sets the position without reading, as after a seek: readNext reads record p + 1.
    void seek(int p) { position_ = std::clamp(p, 0, count()); }
    QuestionRecord& buffer() { return buffer_; }
    const QuestionRecord& buffer() const { return buffer_; }

    // Reads record n (1-based) into the buffer; 0 or a number past the end
    // leaves buffer and position unchanged and returns false.
    bool read(int n);
    bool readFirst();
    bool readNext();

    // The current record becomes the buffer; the picture store is untouched.
    // Error 59 (a record the file cannot hold, or the write), 60 (files not open).
    bool writeBack();
    // The current record becomes the edited record with the picture of the
    // file (none for an empty path); the store is rebuilt in record order.
    // Errors 62 (picture file), 63 (reopening), 64 (rewrite).
    bool replaceWithPicture(const QuestionRecord& edited, const QString& picturePath);
    // Inserts before or after the current record (at the start when nothing
    // has been read); reopens at position 0. Returns false without a change for
    // a full book (16768 records). Errors 65 (rewrite), 66 (reopening).
    bool insert(const QuestionRecord& record, InsertPlace place);
    // Removes the current record and its picture; reopens at position 0.
    // Errors 67 (reopening), 68 (rewrite).
    bool remove();
    // Writes the current record's picture to imagen.jpg. Error 61.
    bool extractPicture();

    // The number (1..22) of the last topic whose name equals Tema of record n,
    // 0 when none does; topicNames[i] names topic i + 1. Buffer and position
    // are left as they were.
    int topicNumber(int n, const QStringList& topicNames);

    QString recordsPath() const;
    QString picturesPath() const;
    QString extractedPicturePath() const; // imagen.jpg

private:
    bool reopen(int records, int pictures);
    bool readImage(int n, QByteArray& image);
    bool rebuild(const QByteArray* replacement, QFile* picture, int skip);
    bool replaceWorkingFiles(bool withPictures);
    void countRemoval(const QByteArray& image);

    Context& ctx_;
    SessionCounters* session_ = nullptr;
    QFile records_;
    QFile pictures_;
    int position_ = 0;
    QuestionRecord buffer_;
};

} // namespace tessera
