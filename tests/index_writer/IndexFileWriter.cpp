#include "IndexFileWriter.h"

#include <cstdio>
#include <cstring>

#include "backup_index/DateTimeValue.h"

namespace indexwriter {

BinaryBuilder& BinaryBuilder::Raw(std::string_view bytes) {
    bytes_.append(bytes);
    return *this;
}

BinaryBuilder& BinaryBuilder::Int32(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) bytes_ += static_cast<char>(bits >> (8 * i) & 0xFF);
    return *this;
}

BinaryBuilder& BinaryBuilder::Flag(std::uint8_t value) {
    bytes_ += static_cast<char>(value);
    return *this;
}

BinaryBuilder& BinaryBuilder::Double(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i) bytes_ += static_cast<char>(bits >> (8 * i) & 0xFF);
    return *this;
}

BinaryBuilder& BinaryBuilder::Text(std::string_view text) {
    return TextWithLength(static_cast<std::int32_t>(text.size()), text);
}

BinaryBuilder& BinaryBuilder::TextWithLength(std::int32_t length, std::string_view bytes) {
    Int32(length);
    return Raw(bytes);
}

BinaryBuilder& BinaryBuilder::Mark(const std::string& name) {
    marks_[name] = bytes_.size();
    return *this;
}

BinaryBuilder BinaryIndex(const IndexContents& index) {
    BinaryBuilder b;
    b.Raw("LXBI").Mark("signature");
    b.Int32(index.version).Mark("version");
    b.Text(index.name).Mark("name");
    b.Double(EncodeDateTime(index.last_update).value_or(-1.0)).Mark("last_update");
    b.Int32(static_cast<std::int32_t>(index.elements.size())).Mark("element_count");
    for (std::size_t i = 0; i < index.elements.size(); ++i) {
        const Element& e = index.elements[i];
        b.Text(e.name).Flag(e.is_excluded ? 1 : 0).Int32(static_cast<std::int32_t>(e.exclusions.size()));
        for (const auto& exclusion : e.exclusions) b.Text(exclusion);
        b.Mark("element" + std::to_string(i));
    }
    b.Text(index.include_mask).Mark("include_mask");
    b.Text(index.exclude_mask).Mark("exclude_mask");
    b.Flag(index.apply_masks_to_folders ? 1 : 0).Mark("apply_masks_to_folders");
    b.Text(index.device).Mark("device");
    b.Text(index.backup_folder).Mark("backup_folder");
    b.Int32(index.writing_speed).Mark("writing_speed");
    b.Flag(index.use_compression ? 1 : 0).Mark("use_compression");
    b.Int32(index.compression_level).Mark("compression_level");
    b.Flag(index.use_timestamps ? 1 : 0).Mark("use_timestamps");
    b.Int32(index.timestamps_using_method).Mark("timestamps_using_method");
    return b;
}

std::string ShortDateTimeText(const CalendarTime& t, const platform::DateTimeConventions& c) {
    using Order = platform::DateTimeConventions::Order;
    char day[8], month[8], year[8], time[32];
    std::snprintf(day, sizeof day, "%u", static_cast<unsigned>(t.day));
    std::snprintf(month, sizeof month, "%u", static_cast<unsigned>(t.month));
    std::snprintf(year, sizeof year, "%04u", static_cast<unsigned>(t.year));
    std::snprintf(time, sizeof time, "%02u%s%02u%s%02u", static_cast<unsigned>(t.hour), c.timeSeparator.c_str(),
                  static_cast<unsigned>(t.minute), c.timeSeparator.c_str(), static_cast<unsigned>(t.second));
    const char* fields[3] = {month, day, year};
    if (c.order == Order::DayMonthYear) fields[0] = day, fields[1] = month;
    if (c.order == Order::YearMonthDay) fields[0] = year, fields[1] = month, fields[2] = day;
    return std::string(fields[0]) + c.dateSeparators[0] + fields[1] + c.dateSeparators[1] + fields[2] +
           c.dateSuffix + " " + time;
}

std::string XmlEscape(std::string_view text) {
    std::string out;
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (ch) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default:
                if (c < 0x20) {
                    char reference[8];
                    std::snprintf(reference, sizeof reference, "&#x%02X;", c);
                    out += reference;
                } else {
                    out += ch;
                }
        }
    }
    return out;
}

std::string XmlIndex(const IndexContents& index, const platform::DateTimeConventions& conventions) {
    auto attribute = [](const char* name, std::string_view value) {
        return std::string(" ") + name + "=\"" + XmlEscape(value) + "\"";
    };
    std::string xml = "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<Lumavex_backup_index_record type=\"backup\"";
    xml += attribute("name", index.name);
    xml += attribute("last_update", ShortDateTimeText(index.last_update, conventions));
    xml += attribute("include_mask", index.include_mask);
    xml += attribute("exclude_mask", index.exclude_mask);
    xml += attribute("apply_masks_to_folders", index.apply_masks_to_folders ? "1" : "0");
    xml += attribute("device", index.device);
    xml += attribute("backup_folder", index.backup_folder);
    xml += attribute("writing_speed", std::to_string(index.writing_speed));
    xml += attribute("use_compression", index.use_compression ? "1" : "0");
    xml += attribute("compression_level", std::to_string(index.compression_level));
    xml += attribute("use_timestamps", index.use_timestamps ? "1" : "0");
    xml += attribute("timestamps_using_method", std::to_string(index.timestamps_using_method));
    xml += ">\n";
    for (const auto& e : index.elements) {
        xml += "  <backup_element" + attribute("name", e.name) + attribute("is_excluded", e.is_excluded ? "1" : "0");
        if (e.exclusions.empty()) {
            xml += "/>\n";
            continue;
        }
        xml += ">\n";
        for (const auto& exclusion : e.exclusions) xml += "    <exclusion" + attribute("name", exclusion) + "/>\n";
        xml += "  </backup_element>\n";
    }
    xml += "</Lumavex_backup_index_record>\n";
    return xml;
}

IndexContents DocsIndex(bool compressed, bool stamped) {
    IndexContents contents;
    contents.name = "Docs";
    contents.use_compression = compressed;
    contents.use_timestamps = stamped;
    contents.last_update = {2005, 3, 1, 9, 30, 0, 0};
    return contents;
}

}  // namespace indexwriter
