#include "platform/posix/Iconv.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

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

} // namespace

std::string ConvertCharset(const char* from, const char* to, std::string_view input, std::size_t unitSize,
                           std::string_view replacement)
{
    Converter converter(from, to);
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
