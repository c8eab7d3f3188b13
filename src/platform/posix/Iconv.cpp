#include "platform/posix/Iconv.h"

#include <cerrno>
#include <iconv.h>
#include <cstring>
#include <map>
#include <optional>
#include <strings.h>
#include <memory>
#include <stdexcept>
#include <utility>

namespace platform::posix {
namespace {

class Converter {
public:
    Converter(const char* from, const char* to) : handle_(iconv_open(to, from))
    {
        if (handle_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("no conversion from ") + from + " to " + to);
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    iconv_t Get() const { return handle_; }

private:
    iconv_t handle_;
};

// Opening a conversion loads its tables, which costs more than most of the
// conversions themselves; each thread keeps the ones it has opened.
Converter& ConverterFor(const char* from, const char* to)
{
    thread_local std::map<std::pair<std::string, std::string>, std::unique_ptr<Converter>> open;
    std::unique_ptr<Converter>& converter = open[{from, to}];
    if (!converter)
        converter = std::make_unique<Converter>(from, to);
    iconv(converter->Get(), nullptr, nullptr, nullptr, nullptr); // back to the initial state
    return *converter;
}

enum class Form { AsciiBased, Utf16, Other };

Form FormOf(const char* charset)
{
    if (std::strcmp(charset, "CP932") == 0 || strcasecmp(charset, "UTF-8") == 0)
        return Form::AsciiBased;
    return std::strcmp(charset, "UTF-16LE") == 0 ? Form::Utf16 : Form::Other;
}

// Text of ASCII alone reads the same in all these charsets, which spares
// the start-up loading conversion modules for its paths; nullopt otherwise.
std::optional<std::string> ConvertAscii(const char* from, const char* to, std::string_view input)
{
    const Form source = FormOf(from);
    const Form target = FormOf(to);
    if (source == Form::Other || target == Form::Other)
        return std::nullopt;
    std::string output;
    if (source == Form::Utf16) {
        if (input.size() % 2 != 0)
            return std::nullopt;
        for (std::size_t i = 0; i < input.size(); i += 2) {
            if (static_cast<unsigned char>(input[i]) >= 0x80 || input[i + 1] != 0)
                return std::nullopt;
            output += input[i];
        }
    } else {
        for (char c : input)
            if (static_cast<unsigned char>(c) >= 0x80)
                return std::nullopt;
        output.assign(input);
    }
    if (target != Form::Utf16)
        return output;
    std::string wide;
    wide.reserve(output.size() * 2);
    for (char c : output) {
        wide += c;
        wide += '\0';
    }
    return wide;
}

} // namespace

std::string ConvertCharset(const char* from, const char* to, std::string_view input, std::size_t unitSize,
                           std::string_view replacement)
{
    if (auto ascii = ConvertAscii(from, to, input))
        return std::move(*ascii);
    Converter& converter = ConverterFor(from, to);
    std::string output;
    char buffer[256];
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t done = iconv(converter.Get(), &in, &inLeft, &out, &outLeft);
        const int error = errno;
        output.append(buffer, static_cast<std::size_t>(out - buffer));
        if (done != static_cast<std::size_t>(-1))
            break;
        if (error == E2BIG)
            continue;
        // A unit that cannot be read or written: replace it and go on.
        const std::size_t skip = inLeft < unitSize ? inLeft : unitSize;
        in += skip;
        inLeft -= skip;
        output += replacement;
        iconv(converter.Get(), nullptr, nullptr, nullptr, nullptr);
    }
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    iconv(converter.Get(), nullptr, nullptr, &out, &outLeft);
    output.append(buffer, static_cast<std::size_t>(out - buffer));
    return output;
}

} // namespace platform::posix
