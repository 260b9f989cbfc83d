// TStack: the framework's last-in, first-out list. It owns what is pushed on it: an entry
// leaves the stack either popped (handed back to the caller) or freed with the stack.
#pragma once

#include <memory>
#include <utility>
#include <vector>

template <class T> class TStack {
public:
    TStack() = default;
    TStack(const TStack&) = delete;
    TStack& operator=(const TStack&) = delete;
    virtual ~TStack() = default;

    int Count() const { return static_cast<int>(FItems.size()); }
    bool AtLeast(int Count) const { return this->Count() >= Count; }
    bool Empty() const { return FItems.empty(); }

    void Push(std::unique_ptr<T> Item) { FItems.push_back(std::move(Item)); }
    // The top entry, taken off the stack; nullptr when the stack is empty.
    std::unique_ptr<T> Pop() {
        if (FItems.empty())
            return nullptr;
        std::unique_ptr<T> Top = std::move(FItems.back());
        FItems.pop_back();
        return Top;
    }
    // The top entry, left on the stack; nullptr when the stack is empty.
    T* Peek() const { return FItems.empty() ? nullptr : FItems.back().get(); }
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<T>> FItems;
};
