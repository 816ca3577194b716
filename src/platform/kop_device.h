#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

namespace platform {

class TestTickSource;

// The communications card's device: opened exclusively, read and written in
// blocks of up to 4,096 bytes, and given the firmware loader's device-control
// requests. A read never waits for traffic.
class IKopDevice {
public:
    virtual ~IKopDevice() = default;
    // False when the card is absent, has no driver or is in use.
    virtual bool open() = 0;
    virtual void close() = 0;
    // Writes the bytes whole; false when the device did not take them.
    virtual bool write(const uint8_t* data, int bytes) = 0;
    // Reads one block of at most `size` bytes: the count read, or -1 when
    // nothing could be read.
    virtual int read(uint8_t* data, int size) = 0;
    // A device-control request with `inBytes` of input and room for
    // `outBytes` of output; false when the driver refused it.
    virtual bool control(uint32_t request, const uint8_t* in, int inBytes, uint8_t* out,
                         int outBytes) = 0;
    // Called between retries of a failed direct transfer: a short pause.
    virtual void waitBeforeRetry() = 0;
};

// The card driver's device node; read and write are non-blocking, control
// requests go to ioctl with one buffer holding the input and taking the output.
class LinuxKopDevice : public IKopDevice {
public:
    explicit LinuxKopDevice(const char* path = "/dev/kop0101") : path_(path) {}
    ~LinuxKopDevice() override { close(); }
    bool open() override;
    void close() override;
    bool write(const uint8_t* data, int bytes) override;
    int read(uint8_t* data, int size) override;
    bool control(uint32_t request, const uint8_t* in, int inBytes, uint8_t* out,
                 int outBytes) override;
    void waitBeforeRetry() override;

private:
    const char* path_;
    int fd_ = -1;
};

// Scripted card for tests. Every accepted write is recorded, and so is each
// frame found in it (a block holds entries of a word length L, L bytes and
// the marker 0x55, ended by a zero length); reads hand out queued blocks.
//
// With `actAsLoader` set it answers the firmware loader with one block each:
//   size frame  (type 137, code 1)  -> type 137, code 0x81, payload {sizeStatus}
//                                      (the card accepts the size with status 2);
//   end frame   (type 137, code 3)  -> type 137, code 0x83, payload {0, sum low, sum high}:
//                                      a status byte at offset 0, then the word sum of
//                                      every data byte at offsets 1 and 2 (plus sumDelta);
//   start frame (type 137, code 4)  -> type 137, code 0x84, no payload.
// With `answerProbes` set it answers each probe (type 141, code 35 to address 1)
// with the same type and code from address 1 to the probe's source.
class FakeKopCard : public IKopDevice {
public:
    struct Frame {
        uint8_t type = 0;
        uint16_t destination = 0;
        uint16_t source = 0;
        uint8_t code = 0;
        std::vector<uint8_t> payload;
        std::vector<uint8_t> bytes;  // the whole frame, length field included
    };
    struct Request {
        uint32_t code;
        std::vector<uint8_t> input;
    };

    bool open() override;
    void close() override;
    bool write(const uint8_t* data, int bytes) override;
    int read(uint8_t* data, int size) override;
    bool control(uint32_t request, const uint8_t* in, int inBytes, uint8_t* out,
                 int outBytes) override;
    void waitBeforeRetry() override;

    // A block holding the frames as entries, then the end marker; padded
    // with zeros to `blockSize` when that is larger.
    static std::vector<uint8_t> block(const std::vector<std::vector<uint8_t>>& frames,
                                      int blockSize = 0);
    static std::vector<uint8_t> frame(uint8_t type, uint16_t destination, uint16_t source,
                                      uint8_t code, const std::vector<uint8_t>& payload);

    bool present = true;
    bool isOpen = false;
    int opens = 0;

    std::deque<std::vector<uint8_t>> blocksToRead;  // a read with none waiting fails
    int failReads = 0;                              // so many next reads fail
    int reads = 0;                                  // read calls, failed ones included

    std::vector<std::vector<uint8_t>> written;                // every accepted write
    std::vector<Frame> frames;                                // every frame of the accepted writes
    int failWrites = 0;                                       // so many next writes fail
    std::function<void(const Frame&, FakeKopCard&)> onFrame;  // after the built-in answers

    std::vector<Request> requests;
    uint32_t refusedRequest = 0;    // a request with this code fails
    std::deque<uint8_t> readiness;  // first byte of the next ready answers
    uint8_t readyWhenEmpty = 1;

    bool actAsLoader = false;
    uint8_t sizeStatus = 2;
    uint16_t sumDelta = 0;
    uint16_t dataSum = 0;
    std::vector<uint8_t> loaded;  // data frames' payloads in order

    bool answerProbes = false;

    TestTickSource* clock = nullptr;  // advanced by waitBeforeRetry
    uint32_t retryStepMs = 10;
    int retryWaits = 0;

private:
    void takeFrame(const Frame& f);
};

// The device in use: the Linux device unless a test installed another.
IKopDevice& kopDevice();
// Installs a device; null restores the Linux device. The caller keeps ownership.
void setKopDevice(IKopDevice* device);

}  // namespace platform
