#pragma once
// User-defined grades beside a built-in grade table: stored under the key code | 0x8000, each
// record owning its own copy of one text field (the steel grade's name, the aluminium alloy).
#include <cstdlib>
#include <cstring>
#include <vector>

template <class Record, int Record::*Key, const char* Record::*Text>
class UserGrades {
public:
    // unknown: the text a record holds when it has none of its own; it is never freed.
    explicit UserGrades(const char* unknown) : unknown_(unknown) {}

    // The key a user grade is stored under: the low 15 bits of the code with bit 15 set.
    static int key(int code) { return (code & 0x7fff) | 0x8000; }

    // The index of the grade stored under key(code), -1 when there is none.
    int find(int code) const
    {
        const int k = key(code);
        for (size_t i = 0; i < grades_.size(); ++i)
            if (grades_[i].*Key == k) return static_cast<int>(i);
        return -1;
    }

    // Stores a copy of record under key(record's code), replacing a grade of the same key;
    // returns that key.
    int add(const Record& record)
    {
        Record r = record;
        r.*Key = key(record.*Key);
        const char* text = copy(record.*Text);
        r.*Text = text ? text : unknown_;
        const int i = find(r.*Key);
        if (i >= 0) {
            release(grades_[i]);
            grades_[i] = r;
        } else {
            if (grades_.size() == grades_.capacity()) grades_.reserve(grades_.size() + 10);
            grades_.push_back(r);
        }
        return r.*Key;
    }

    // Removes the grade stored under key(code); 1 when there was one.
    int remove(int code)
    {
        const int i = find(code);
        if (i < 0) return 0;
        release(grades_[i]);
        grades_.erase(grades_.begin() + i);
        return 1;
    }

    void clear()
    {
        for (Record& r : grades_) release(r);
        grades_.clear();
    }

    int count() const { return static_cast<int>(grades_.size()); }
    // The i-th grade; null outside 0 .. count() - 1.
    const Record* at(int i) const { return i >= 0 && i < count() ? &grades_[i] : nullptr; }

private:
    static const char* copy(const char* text)
    {
        if (!text) return nullptr;
        const size_t n = std::strlen(text) + 1;
        char* p = static_cast<char*>(std::malloc(n));
        if (p) std::memcpy(p, text, n);
        return p;
    }

    void release(Record& r)
    {
        if (r.*Text && r.*Text != unknown_) std::free(const_cast<char*>(r.*Text));
        r.*Text = unknown_;
    }

    std::vector<Record> grades_;
    const char* unknown_;
};
