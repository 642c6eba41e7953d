// A small JSON writer for the tool's output. Texts of board files are 8-bit
// (Latin-1) and are written as UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vortan {

class JsonWriter {
public:
    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }
    void key(const std::string& k) {
        separator();
        string(k);
        out_ += ':';
        afterKey_ = true;
    }
    void value(std::int64_t v) {
        separator();
        out_ += std::to_string(v);
    }
    void value(const std::string& s) {
        separator();
        string(s);
    }
    void value(bool b) {
        separator();
        out_ += b ? "true" : "false";
    }
    template <typename T>
    void field(const std::string& k, const T& v) {
        key(k);
        value(v);
    }
    void field(const std::string& k, const char* v) { field(k, std::string(v)); }
    void field(const std::string& k, int v) { field(k, static_cast<std::int64_t>(v)); }
    void field(const std::string& k, std::uint32_t v) { field(k, static_cast<std::int64_t>(v)); }
    const std::string& str() const { return out_; }

private:
    void open(char c) {
        separator();
        out_ += c;
        first_.push_back(true);
    }
    void close(char c) {
        out_ += c;
        first_.pop_back();
    }
    void separator() {
        if (afterKey_) {
            afterKey_ = false;
            return;
        }
        if (!first_.empty()) {
            if (!first_.back()) out_ += ',';
            first_.back() = false;
        }
    }
    void string(const std::string& s) {
        out_ += '"';
        for (unsigned char c : s) {
            switch (c) {
            case '"': out_ += "\\\""; break;
            case '\\': out_ += "\\\\"; break;
            case '\n': out_ += "\\n"; break;
            case '\r': out_ += "\\r"; break;
            case '\t': out_ += "\\t"; break;
            default:
                if (c < 0x20) {
                    static const char* hex = "0123456789abcdef";
                    out_ += "\\u00";
                    out_ += hex[c >> 4];
                    out_ += hex[c & 15];
                } else if (c < 0x80) {
                    out_ += static_cast<char>(c);
                } else {
                    out_ += static_cast<char>(0xC0 | (c >> 6));
                    out_ += static_cast<char>(0x80 | (c & 0x3F));
                }
            }
        }
        out_ += '"';
    }

    std::string out_;
    std::vector<bool> first_;
    bool afterKey_ = false;
};

}  // namespace vortan
