// Lets a library that converts file names with the C library's locale use
// the user's charset for a while, without changing the process's locale.
#pragma once

namespace platform {

// While it lives, this thread's C locale for character conversion is the
// user's (POSIX: uselocale); the process-wide locale is never touched, and
// the thread's previous one comes back at the end. Windows libraries take
// wide file names, so there it does nothing.
class UserCharsetScope {
public:
    UserCharsetScope();
    ~UserCharsetScope();
    UserCharsetScope(const UserCharsetScope&) = delete;
    UserCharsetScope& operator=(const UserCharsetScope&) = delete;

private:
    void* previous_ = nullptr;
    void* user_ = nullptr;
};

} // namespace platform
