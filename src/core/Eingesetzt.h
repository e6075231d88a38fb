#pragma once
// A seam installed for the length of a scope: the constructor installs the
// given implementation, the destructor puts back the one installed before.

template <typename Dienst, void (*Setzen)(Dienst*), Dienst& (*Aktuell)()>
class Eingesetzt {
public:
    explicit Eingesetzt(Dienst* neu) : m_vorher(&Aktuell()) { Setzen(neu); }
    ~Eingesetzt() { Setzen(m_vorher); }
    Eingesetzt(const Eingesetzt&) = delete;
    Eingesetzt& operator=(const Eingesetzt&) = delete;

private:
    Dienst* m_vorher;
};

// The same for a seam without a getter: the destructor installs the empty
// value, which every such setter takes as its default.
template <typename Wert, void (*Setzen)(Wert)>
class Gesetzt {
public:
    explicit Gesetzt(Wert neu) { Setzen(static_cast<Wert&&>(neu)); }
    ~Gesetzt() { Setzen(Wert{}); }
    Gesetzt(const Gesetzt&) = delete;
    Gesetzt& operator=(const Gesetzt&) = delete;
};
