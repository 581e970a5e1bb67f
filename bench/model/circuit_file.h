// Circuit files: fixed 166-byte little-endian records with no header: one wire
// record per wire, then one chip record per chip, then an end record. Text
// fields are GBK, left-justified and filled with spaces.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <QByteArray>
#include <QString>

namespace bench {

inline constexpr int kRecordSize = 166;
inline constexpr int kModelFieldWidth = 20;
inline constexpr int kDescriptionFieldWidth = 40;
inline constexpr int kPointEntries = 41;  // entry 0: point count; then X and Y per point

inline constexpr std::int16_t kEndRecord = -1;
inline constexpr std::int16_t kWireRecord = 1;
inline constexpr std::int16_t kChipRecord = 2;  // a reader takes every other kind as a chip too

// One record as its fields; text as UTF-8.
struct circuit_record {
    std::int16_t record_kind = 0;
    std::string model;
    std::int16_t mount_kind = 0;
    std::int16_t pin_count = 0;
    std::int16_t chip_class = 0;
    std::string description;
    std::int16_t top = 0;
    std::int16_t left = 0;
    std::int16_t start_row = 0;
    std::int16_t start_column = 0;
    std::int16_t end_row = 0;
    std::int16_t end_column = 0;
    std::int32_t colour = 0;
    std::array<std::int16_t, kPointEntries> points{};
};

QByteArray encode_record(const circuit_record& record);
// `bytes` holds at least kRecordSize bytes.
circuit_record decode_record(const char* bytes);

// Text in a fixed-width GBK field: cut on a character boundary, space filled.
QByteArray gbk_field(const std::string& utf8, int width);
// Undecodable bytes become replacement characters.
std::string from_gbk(const char* bytes, int size);

// Whether a record read from a file can be taken into the circuit: a wire's
// ends on the grid and 0 to 20 points; a chip's mount kind 1 or 2 and an even
// pin count of 2 to 60.
bool record_is_sound(const circuit_record& record);

// Writes the records to a temporary file beside `path` and replaces `path`
// only when all of them were written. False on any error.
bool write_circuit_file(const QString& path, const std::vector<circuit_record>& records);

enum class read_status { ok, missing, bad_format };

struct read_result {
    read_status status = read_status::ok;
    std::vector<circuit_record> records;  // wires and chips, up to the end record
};

// Reads records up to the end record; whatever follows it (older records of
// a longer circuit written over) is not read. A record that is not sound, a
// file that ends before its end record (cut at a record boundary or inside a
// record), or a circuit with more nodes than node numbers can hold, is
// bad_format.
read_result read_circuit_file(const QString& path);

// A file name with leading and trailing blanks removed, as messages show it.
QString trimmed_name(const QString& name);
QString missing_file_message(const QString& name);  // "文件" + name + "不存在"
QString write_error_message(const QString& name);   // "文件" + name + "写错误"
QString format_error_message(const QString& name);  // "文件" + name + "格式错误"
QString overwrite_question(const QString& name);    // "文件" + name + "已存在，重写它吗?"
// The title of every circuit-file message box.
QString warning_title();

// The file part of a path (after its last "/" or "\"), and the folder part
// including that separator.
QString file_part(const QString& path);
QString folder_part(const QString& path);

// Twips as stored in a 16-bit field: rounded to the nearest integer, halves to
// the even neighbour.
std::int16_t stored_twips(double twips);

}  // namespace bench
