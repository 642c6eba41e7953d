// The thirteen values of a board, in file order, declared once: the board
// as stored keeps them unsigned, the game's document signed (its counters
// hold negative markers).
#pragma once

namespace vortan {

template <typename T>
struct BoardValues {
    T boardWidth{};
    T boardHeight{};
    T reserved1{};
    T reserved2{};
    T timeLimit{};
    T moveLimit{};
    T numberBoxTimeLimit{};
    T starBoxTimeLimit{};
    T numberOfLives{};
    T timeBoxTimeValue{};
    T moveBoxMoveValue{};
    T starBoxCount{};
    T numberBoxCount{};

    static constexpr int kValueCount = 13;

    // The value at `index` in file order; nullptr outside 0..12.
    T* valuePointer(int index) {
        T* const values[kValueCount] = {&boardWidth,         &boardHeight,      &reserved1,     &reserved2,
                                        &timeLimit,          &moveLimit,        &numberBoxTimeLimit,
                                        &starBoxTimeLimit,   &numberOfLives,    &timeBoxTimeValue,
                                        &moveBoxMoveValue,   &starBoxCount,     &numberBoxCount};
        return index >= 0 && index < kValueCount ? values[index] : nullptr;
    }
    T value(int index) const {
        const T* p = const_cast<BoardValues*>(this)->valuePointer(index);
        return p ? *p : T{};
    }
};

}  // namespace vortan
