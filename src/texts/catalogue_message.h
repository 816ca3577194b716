#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

// Catalogue messages: a catalogue text with arguments, given by the program
// or carried in the coded form "id$field$field..." that the exchange sends.
// Every output is bounded by its size (terminator included) and cut to fit.

// Argument types derived from a parameter's printf format.
enum ArgumentType : int {
    kArgChar = 0,    // c: a character given as an integer
    kArgShort = 1,   // d i o u x after h
    kArgInt = 2,     // d i o u x, and any letter not named here
    kArgLong = 3,    // d i o u x after l (32 bits)
    kArgFloat = 4,   // e f g: single precision
    kArgDouble = 5,  // e f g after l
    kArgText = 6,    // s
    kArgNested = 7,  // z: another catalogue message
};

constexpr int kMaxMessageParams = 30;        // parameters one text may take
constexpr std::size_t kArgumentArea = 1001;  // bytes of argument values per message
constexpr int kMaxMessageNesting = 8;        // nested "z" messages deeper than this print empty

int argumentTypeOfFormat(const char* format);
// The number n of parameters of a text (1.. up to the first number without a
// format, at most kMaxMessageParams) and their type codes in types[0..n-1].
int collectArgumentTypes(int textId, int types[kMaxMessageParams]);

// Where a message takes its arguments from, one after the other in the order
// of the parameter numbers. A missing argument reads as 0 or an empty text.
class IArgumentSource {
public:
    virtual ~IArgumentSource() = default;
    virtual std::int32_t nextInteger() = 0;
    virtual double nextReal() = 0;
    // Copies the next argument as text into out (size bytes with the terminator);
    // the whole argument is consumed even when it does not fit.
    virtual void nextText(char* out, std::size_t size) = 0;
};

// One typed argument of formatMessage. An argument whose kind does not match
// its parameter's format is converted (number to text, text to number), never misread.
class MessageArg {
public:
    enum class Kind : std::uint8_t { None, Integer, Real, Text };

    MessageArg() = default;
    template <typename T, typename std::enable_if<std::is_integral<T>::value, int>::type = 0>
    MessageArg(T v) : kind_(Kind::Integer), integer_(static_cast<std::int64_t>(v)) {}
    MessageArg(double v) : kind_(Kind::Real), real_(v) {}
    MessageArg(float v) : kind_(Kind::Real), real_(v) {}
    MessageArg(const char* v) : kind_(Kind::Text), text_(v != nullptr ? v : "") {}
    MessageArg(const std::string& v) : kind_(Kind::Text), text_(v.c_str()) {}

    Kind kind() const { return kind_; }
    std::int64_t integer() const { return integer_; }
    double real() const { return real_; }
    const char* text() const { return text_; }

private:
    Kind kind_ = Kind::None;
    std::int64_t integer_ = 0;
    double real_ = 0.0;
    const char* text_ = "";
};

// Arguments from a list of typed values.
class ListArgumentSource : public IArgumentSource {
public:
    ListArgumentSource(const MessageArg* args, std::size_t count) : args_(args), count_(count) {}
    std::int32_t nextInteger() override;
    double nextReal() override;
    void nextText(char* out, std::size_t size) override;

private:
    const MessageArg* next();
    const MessageArg* args_;
    std::size_t count_;
    std::size_t pos_ = 0;
};

// Arguments from the "$"-separated fields of a coded text (the part after its
// first "$"). Numbers must make up their whole field; anything else reads as 0.
class CodedArgumentSource : public IArgumentSource {
public:
    explicit CodedArgumentSource(const char* fields) : cursor_(fields != nullptr ? fields : "") {}
    std::int32_t nextInteger() override;
    double nextReal() override;
    void nextText(char* out, std::size_t size) override;

private:
    // The next field [begin, begin + length); moves past it and its "$".
    std::size_t nextField(const char*& begin);
    const char* cursor_;
};

// Strict readers of one field: optional leading white space, an optional
// sign, digits and nothing after them. Integers must fit 32 bits (signed or
// unsigned; the bits are kept); reals must be finite. False leaves value 0.
bool parseStrictInt32(const char* text, std::size_t length, std::int32_t& value);
bool parseStrictReal(const char* text, std::size_t length, double& value);

// Formats text textId with arguments from source into out; returns the number
// of characters written before the terminator.
int formatCatalogueText(char* out, std::size_t size, int textId, IArgumentSource& source);

int formatMessageArgs(char* out, std::size_t size, int textId, const MessageArg* args,
                      std::size_t count);

// formatMessage(out, size, id, args...): arguments in the order of the
// parameter numbers; a nested "z" parameter takes the nested text's id
// followed at once by that text's own arguments.
template <typename... Args>
int formatMessage(char* out, std::size_t size, int textId, const Args&... args) {
    const MessageArg list[] = {MessageArg(args)..., MessageArg()};
    return formatMessageArgs(out, size, textId, list, sizeof...(Args));
}

// The message of textId with arguments from the fields of argumentText.
int formatMessageFromCoded(char* out, std::size_t size, int textId, const char* argumentText);
// The message of a whole coded text "id$field$...".
int formatCodedMessage(char* out, std::size_t size, const char* codedText);
