#include "IndexFixtures.h"

#include <cstdio>

#include "backup_index/DateTimeValue.h"

namespace fixtures {
namespace {

std::string Number(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string Flag(bool value) { return value ? "1" : "0"; }

std::string ElementText(const std::string& name, bool excluded, const std::vector<std::string>& exclusions) {
    std::string text = name + "|" + Flag(excluded) + "|";
    for (std::size_t i = 0; i < exclusions.size(); ++i) {
        if (i) text += ",";
        text += exclusions[i];
    }
    return text;
}

}  // namespace

const char* const kFieldsAfterElements[10] = {
    "include_mask", "exclude_mask", "apply_masks_to_folders", "device", "backup_folder",
    "writing_speed", "use_compression", "compression_level", "use_timestamps", "timestamps_using_method",
};

indexwriter::IndexContents FullContents() {
    indexwriter::IndexContents c;
    c.version = 42;
    c.name = "Weekly documents";
    c.last_update = {2005, 2, 28, 10, 15, 30, 0};
    c.elements = {
        {"C:\\Documents\\", false, {"C:\\Documents\\Temp\\", "*.tmp", "*.tmp"}},
        {"D:\\Photos\\holiday.jpg", true, {}},
        {"E:\\Music\\", false, {"E:\\Music\\Podcasts\\"}},
    };
    c.include_mask = "*.doc;*.txt";
    c.exclude_mask = "*.bak";
    c.apply_masks_to_folders = true;
    c.device = "F:";
    c.backup_folder = "Backups\\";
    c.writing_speed = 16;
    c.use_compression = false;
    c.compression_level = 9;
    c.use_timestamps = true;
    c.timestamps_using_method = 1;
    return c;
}

std::string ElementText(const indexwriter::Element& e) { return ElementText(e.name, e.is_excluded, e.exclusions); }

Fields FieldsOf(const VUvivuzOvuDodid& index) {
    std::string elements;
    for (std::size_t i = 0; i < index.elements.size(); ++i) {
        const auto& e = index.elements[i];
        if (i) elements += ";";
        elements += ElementText(e.name, e.is_excluded, e.exclusions);
    }
    return {
        {"version", std::to_string(index.version)},
        {"name", index.name},
        {"last_update", Number(index.last_update)},
        {"elements", elements},
        {"include_mask", index.include_mask},
        {"exclude_mask", index.exclude_mask},
        {"apply_masks_to_folders", Flag(index.apply_masks_to_folders)},
        {"device", index.device},
        {"backup_folder", index.backup_folder},
        {"writing_speed", std::to_string(index.writing_speed)},
        {"use_compression", Flag(index.use_compression)},
        {"compression_level", std::to_string(index.compression_level)},
        {"use_timestamps", Flag(index.use_timestamps)},
        {"timestamps_using_method", std::to_string(index.timestamps_using_method)},
    };
}

Fields FieldsOf(const indexwriter::IndexContents& c) {
    std::string elements;
    for (std::size_t i = 0; i < c.elements.size(); ++i) {
        if (i) elements += ";";
        elements += ElementText(c.elements[i]);
    }
    return {
        {"version", std::to_string(c.version)},
        {"name", c.name},
        {"last_update", Number(EncodeDateTime(c.last_update).value_or(-1.0))},
        {"elements", elements},
        {"include_mask", c.include_mask},
        {"exclude_mask", c.exclude_mask},
        {"apply_masks_to_folders", Flag(c.apply_masks_to_folders)},
        {"device", c.device},
        {"backup_folder", c.backup_folder},
        {"writing_speed", std::to_string(c.writing_speed)},
        {"use_compression", Flag(c.use_compression)},
        {"compression_level", std::to_string(c.compression_level)},
        {"use_timestamps", Flag(c.use_timestamps)},
        {"timestamps_using_method", std::to_string(c.timestamps_using_method)},
    };
}

}  // namespace fixtures
