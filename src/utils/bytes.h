#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

// Bounded little-endian readers and writers: the only way code touches the
// bytes of frames, records and binary files. A read past the end latches
// failure (reads then give 0) so decoders check ok() once at the end.
class ByteReader {
public:
    ByteReader(const uint8_t* p, size_t n) : p_(p), n_(p ? n : 0) {}
    ByteReader(const void* p, size_t n) : ByteReader(static_cast<const uint8_t*>(p), n) {}

    uint8_t u8() { return take(1) ? p_[pos_ - 1] : 0; }
    uint16_t u16le() { return take(2) ? uint16_t(p_[pos_ - 2] | (p_[pos_ - 1] << 8)) : 0; }
    uint32_t u32le() {
        if (!take(4)) return 0;
        const uint8_t* q = p_ + pos_ - 4;
        return uint32_t(q[0]) | uint32_t(q[1]) << 8 | uint32_t(q[2]) << 16 | uint32_t(q[3]) << 24;
    }
    int16_t i16le() { return static_cast<int16_t>(u16le()); }
    int32_t i32le() { return static_cast<int32_t>(u32le()); }
    bool bytes(void* dst, size_t k) {
        if (!take(k)) return false;
        if (k) std::memcpy(dst, p_ + pos_ - k, k);
        return true;
    }
    bool skip(size_t k) { return take(k); }
    const uint8_t* current() const { return p_ ? p_ + pos_ : nullptr; }
    size_t position() const { return pos_; }
    size_t remaining() const { return n_ - pos_; }
    bool ok() const { return ok_; }

private:
    bool take(size_t k) {
        if (!ok_ || k > n_ - pos_)
            ok_ = false;
        else
            pos_ += k;
        return ok_;
    }
    const uint8_t* p_;
    size_t n_;
    size_t pos_ = 0;
    bool ok_ = true;
};

// Writer into a caller's fixed buffer; running out of room latches failure.
class ByteWriter {
public:
    ByteWriter(uint8_t* p, size_t n) : p_(p), n_(p ? n : 0) {}
    ByteWriter(void* p, size_t n) : ByteWriter(static_cast<uint8_t*>(p), n) {}

    void u8(uint8_t v) {
        if (room(1)) p_[pos_++] = v;
    }
    void u16le(uint16_t v) {
        if (!room(2)) return;
        p_[pos_++] = uint8_t(v);
        p_[pos_++] = uint8_t(v >> 8);
    }
    void u32le(uint32_t v) {
        if (!room(4)) return;
        for (int i = 0; i < 4; ++i) p_[pos_++] = uint8_t(v >> (8 * i));
    }
    void bytes(const void* src, size_t k) {
        if (!room(k)) return;
        if (k) std::memcpy(p_ + pos_, src, k);
        pos_ += k;
    }
    void zeros(size_t k) {
        if (!room(k)) return;
        std::memset(p_ + pos_, 0, k);
        pos_ += k;
    }
    size_t size() const { return pos_; }
    bool ok() const { return ok_; }

private:
    bool room(size_t k) {
        if (!ok_ || k > n_ - pos_) ok_ = false;
        return ok_;
    }
    uint8_t* p_;
    size_t n_;
    size_t pos_ = 0;
    bool ok_ = true;
};
