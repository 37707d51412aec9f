#pragma once
// The framework's errors. Messages are ANSI (code page 936) byte strings; the application's
// error box shows Message() as it is. Portable: no platform headers.
#include <stdexcept>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const { return message_; }
    void SetMessage(std::string message) { message_ = std::move(message); }
    const char* what() const noexcept override { return message_.c_str(); }
    virtual const char* ClassName() const { return "Exception"; }

private:
    std::string message_;
};

class EStreamError : public Exception {
public:
    using Exception::Exception;
    const char* ClassName() const override { return "EStreamError"; }
};

// "Cannot create file "<path>". <system error text>"
class EFCreateError : public EStreamError {
public:
    EFCreateError(const std::string& path, const std::string& systemText);
    const char* ClassName() const override { return "EFCreateError"; }
};

// "Cannot open file "<path>". <system error text>"
class EFOpenError : public EStreamError {
public:
    EFOpenError(const std::string& path, const std::string& systemText);
    const char* ClassName() const override { return "EFOpenError"; }
};

class EReadError : public EStreamError {
public:
    using EStreamError::EStreamError;
    const char* ClassName() const override { return "EReadError"; }
};

class EWriteError : public EStreamError {
public:
    using EStreamError::EStreamError;
    const char* ClassName() const override { return "EWriteError"; }
};

// "List index out of bounds (<index>)"
class EStringListError : public Exception {
public:
    explicit EStringListError(int index);
    explicit EStringListError(std::string message) : Exception(std::move(message)) {}
    const char* ClassName() const override { return "EStringListError"; }
};

// Misuse of a control or component ("Control 'X' has no parent window", ...).
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
    const char* ClassName() const override { return "EInvalidOperation"; }
};

// A window, class or GDI object the system refused to create.
class EOutOfResources : public Exception {
public:
    using Exception::Exception;
    const char* ClassName() const override { return "EOutOfResources"; }
};

// A COM object that cannot be created or a failed COM call; the text is the system's.
class EOleSysError : public Exception {
public:
    EOleSysError(std::string message, long errorCode) : Exception(std::move(message)), code_(errorCode) {}
    long ErrorCode() const { return code_; }
    const char* ClassName() const override { return "EOleSysError"; }

private:
    long code_;
};

// Trims what the system appends to its error texts (line breaks, blanks and the final full
// stop), so the text reads well inside the framework's own sentence.
std::string TrimSystemErrorText(std::string text);
