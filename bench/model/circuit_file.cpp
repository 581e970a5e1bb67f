#include "circuit_file.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include "board_geometry.h"
#include "circuit.h"

namespace bench {

namespace {

// Field offsets inside a record.
constexpr int kKindAt = 0;
constexpr int kModelAt = 2;
constexpr int kMountKindAt = 22;
constexpr int kPinCountAt = 24;
constexpr int kChipClassAt = 26;
constexpr int kDescriptionAt = 28;
constexpr int kTopAt = 68;
constexpr int kLeftAt = 70;
constexpr int kStartRowAt = 72;
constexpr int kStartColumnAt = 74;
constexpr int kEndRowAt = 76;
constexpr int kEndColumnAt = 78;
constexpr int kColourAt = 80;
constexpr int kPointsAt = 84;
static_assert(kPointsAt + 2 * kPointEntries == kRecordSize);

constexpr char kCodePage[] = "GBK";

void put16(QByteArray& out, int at, std::int16_t value) {
    const auto bits = static_cast<std::uint16_t>(value);
    out[at] = static_cast<char>(bits & 0xFF);
    out[at + 1] = static_cast<char>(bits >> 8);
}

void put32(QByteArray& out, int at, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>(bits >> (8 * i) & 0xFF);
}

std::int16_t get16(const char* bytes, int at) {
    const auto lo = static_cast<unsigned char>(bytes[at]);
    const auto hi = static_cast<unsigned char>(bytes[at + 1]);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | hi << 8));
}

std::int32_t get32(const char* bytes, int at) {
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits |= std::uint32_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
    return static_cast<std::int32_t>(bits);
}

void put_text(QByteArray& out, int at, const std::string& text, int width) {
    const QByteArray field = gbk_field(text, width);
    for (int i = 0; i < width; ++i) out[at + i] = field[i];
}

// The messages are translated where they are made: the window and the
// tools all show them as they come.
QString message(const char* pattern, const QString& name) {
    return QCoreApplication::translate("circuit file", pattern).arg(trimmed_name(name));
}

}  // namespace

QByteArray gbk_field(const std::string& utf8, int width) {
    QStringEncoder encoder(kCodePage);
    QByteArray bytes = encoder.isValid() ? QByteArray(encoder.encode(QString::fromStdString(utf8)))
                                         : QString::fromStdString(utf8).toLatin1();
    // A GBK lead byte (0x81 to 0xFE) takes its trail byte with it: a cut falls
    // before the pair, never between its bytes.
    int end = 0;
    while (end < bytes.size()) {
        const auto byte = static_cast<unsigned char>(bytes[end]);
        const int length = byte >= 0x81 && byte <= 0xFE ? 2 : 1;
        if (end + length > width) break;
        end += length;
    }
    bytes.truncate(end);
    bytes.append(QByteArray(width - end, ' '));
    return bytes;
}

std::string from_gbk(const char* bytes, int size) {
    QStringDecoder decoder(kCodePage);
    const QByteArray raw(bytes, size);
    const QString text = decoder.isValid() ? QString(decoder.decode(raw)) : QString::fromLatin1(raw);
    return text.toStdString();
}

QByteArray encode_record(const circuit_record& r) {
    QByteArray out(kRecordSize, '\0');
    put16(out, kKindAt, r.record_kind);
    put_text(out, kModelAt, r.model, kModelFieldWidth);
    put16(out, kMountKindAt, r.mount_kind);
    put16(out, kPinCountAt, r.pin_count);
    put16(out, kChipClassAt, r.chip_class);
    put_text(out, kDescriptionAt, r.description, kDescriptionFieldWidth);
    put16(out, kTopAt, r.top);
    put16(out, kLeftAt, r.left);
    put16(out, kStartRowAt, r.start_row);
    put16(out, kStartColumnAt, r.start_column);
    put16(out, kEndRowAt, r.end_row);
    put16(out, kEndColumnAt, r.end_column);
    put32(out, kColourAt, r.colour);
    for (int i = 0; i < kPointEntries; ++i) put16(out, kPointsAt + 2 * i, r.points[i]);
    return out;
}

circuit_record decode_record(const char* bytes) {
    circuit_record r;
    r.record_kind = get16(bytes, kKindAt);
    r.model = from_gbk(bytes + kModelAt, kModelFieldWidth);
    r.mount_kind = get16(bytes, kMountKindAt);
    r.pin_count = get16(bytes, kPinCountAt);
    r.chip_class = get16(bytes, kChipClassAt);
    r.description = from_gbk(bytes + kDescriptionAt, kDescriptionFieldWidth);
    r.top = get16(bytes, kTopAt);
    r.left = get16(bytes, kLeftAt);
    r.start_row = get16(bytes, kStartRowAt);
    r.start_column = get16(bytes, kStartColumnAt);
    r.end_row = get16(bytes, kEndRowAt);
    r.end_column = get16(bytes, kEndColumnAt);
    r.colour = get32(bytes, kColourAt);
    for (int i = 0; i < kPointEntries; ++i) r.points[i] = get16(bytes, kPointsAt + 2 * i);
    return r;
}

bool record_is_sound(const circuit_record& r) {
    const auto on_grid = [](int row, int column) {
        return row >= 0 && row < kGridRows && column >= 0 && column < kGridColumns;
    };
    if (r.record_kind == kEndRecord) return true;
    if (r.record_kind == kWireRecord)
        return on_grid(r.start_row, r.start_column) && on_grid(r.end_row, r.end_column) &&
               r.points[0] >= 0 && r.points[0] <= kMaxWirePoints;
    return (r.mount_kind == 1 || r.mount_kind == 2) && r.pin_count >= 2 &&
           r.pin_count <= lgsim::kMaxPinNumber && r.pin_count % 2 == 0;
}

bool write_circuit_file(const QString& path, const std::vector<circuit_record>& records) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    for (const circuit_record& record : records) {
        // An uncommitted save file is discarded: the old file stays as it was.
        if (file.write(encode_record(record)) != kRecordSize) return false;
    }
    // commit() does not see a failure of the write buffer's last flush: it
    // would put a cut file in place of the old one and report success.
    if (!file.flush() || file.error() != QFileDevice::NoError) return false;
    return file.commit();
}

read_result read_circuit_file(const QString& path) {
    if (!QFileInfo::exists(path)) return {read_status::missing, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {read_status::bad_format, {}};
    read_result result;
    long long nodes_needed = 0;
    for (;;) {
        // Records that end without an end record, at a record boundary or
        // inside a record, are a file cut short: taking what is there would
        // put half a circuit in place of the one on the bench.
        const QByteArray bytes = file.read(kRecordSize);
        if (bytes.size() < kRecordSize) return {read_status::bad_format, {}};
        circuit_record record = decode_record(bytes.constData());
        if (record.record_kind == kEndRecord) break;
        if (!record_is_sound(record)) return {read_status::bad_format, {}};
        nodes_needed += record.record_kind == kWireRecord ? 1 : record.pin_count;
        if (nodes_needed > kMaxNodeNumber) return {read_status::bad_format, {}};
        result.records.push_back(std::move(record));
    }
    return result;
}

QString trimmed_name(const QString& name) {
    qsizetype first = 0;
    qsizetype last = name.size();
    while (first < last && name[first] == u' ') ++first;
    while (last > first && name[last - 1] == u' ') --last;
    return name.mid(first, last - first);
}

QString missing_file_message(const QString& name) { return message(QT_TRANSLATE_NOOP("circuit file", "文件%1不存在"), name); }
QString write_error_message(const QString& name) { return message(QT_TRANSLATE_NOOP("circuit file", "文件%1写错误"), name); }
QString format_error_message(const QString& name) {
    return message(QT_TRANSLATE_NOOP("circuit file", "文件%1格式错误"), name);
}
QString overwrite_question(const QString& name) {
    return message(QT_TRANSLATE_NOOP("circuit file", "文件%1已存在，重写它吗?"), name);
}
QString warning_title() { return QCoreApplication::translate("circuit file", "警告信息"); }

QString file_part(const QString& path) {
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(cut + 1);
}

QString folder_part(const QString& path) {
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.left(cut + 1);
}

std::int16_t stored_twips(double twips) {
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    const double rounded = std::nearbyint(twips);
    if (!(rounded >= lowest)) return static_cast<std::int16_t>(lowest);
    if (rounded > highest) return static_cast<std::int16_t>(highest);
    return static_cast<std::int16_t>(rounded);
}

}  // namespace bench
