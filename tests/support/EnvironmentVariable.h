#pragma once

#include <cstdlib>
#include <string>

namespace vantor::test {

// Sets an environment variable of the test program for as long as the object lives, and puts
// back what it was before.
class EnvironmentVariable {
public:
    EnvironmentVariable(std::string name, const char* value) : name(std::move(name)) {
        if (const char* before = std::getenv(this->name.c_str())) {
            previous = before;
            hadValue = true;
        }
        Set(value);
    }
    ~EnvironmentVariable() { Set(hadValue ? previous.c_str() : nullptr); }
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

    // A null value takes the variable away.
    void Set(const char* value) {
#ifdef _WIN32
        _putenv_s(name.c_str(), value != nullptr ? value : "");
#else
        if (value != nullptr) {
            setenv(name.c_str(), value, 1);
        } else {
            unsetenv(name.c_str());
        }
#endif
    }

private:
    std::string name;
    std::string previous;
    bool hadValue = false;
};

} // namespace vantor::test
