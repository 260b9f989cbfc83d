// The framework's exception hierarchy. Every failure the product reports is one of these,
// carrying its English message; the application object shows the message in its error box.
#pragma once

#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string Message) : FMessage(std::move(Message)) {}
    const std::string& Message() const { return FMessage; }
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    std::string FMessage;
};

// A value that cannot be converted or assigned ("Cannot assign a X to a Y").
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// An object that is not of the class an operation needs.
class EInvalidCast : public Exception {
public:
    using Exception::Exception;
};

// An index outside a list ("List index out of bounds (N)").
class EListError : public Exception {
public:
    using Exception::Exception;
};

// A string list misuse (duplicates refused, index outside the list).
class EStringListError : public Exception {
public:
    using Exception::Exception;
};

class EStreamError : public Exception {
public:
    using Exception::Exception;
};

// A file that cannot be created or opened; the message names the file.
class EFileStreamError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

class EFCreateError : public EFileStreamError {
public:
    using EFileStreamError::EFileStreamError;
};

class EFOpenError : public EFileStreamError {
public:
    using EFileStreamError::EFileStreamError;
};

// Errors of reading and writing streamed components (layouts) and short stream transfers.
class EFilerError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

class EReadError : public EFilerError {
public:
    using EFilerError::EFilerError;
};

class EWriteError : public EFilerError {
public:
    using EFilerError::EFilerError;
};

// A class name that is not in the class registry.
class EClassNotFound : public EFilerError {
public:
    using EFilerError::EFilerError;
};

// A resource missing from the program's resources.
class EResNotFound : public Exception {
public:
    using Exception::Exception;
};

// The host refused a handle or other system resource.
class EOutOfResources : public Exception {
public:
    using Exception::Exception;
};

// An operation that the object's current state does not allow.
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};

// A picture whose data or format cannot be used.
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

// A component misuse: an invalid or duplicate name, a bad owner.
class EComponentError : public Exception {
public:
    using Exception::Exception;
};

// A menu item inserted where it cannot go: into a second parent, or under itself.
class EMenuError : public Exception {
public:
    using Exception::Exception;
};
