#pragma once

#include <boost/signals2/signal.hpp>

#include <functional>
#include <memory>

// Each recurrence kind owns the object of its editor panel, but the panels themselves belong to
// the user interface. This is the seam between the two: the core only knows these interfaces, and
// the user interface installs one maker per kind (DetailsPanel<Kind>::SetMaker). Without a maker a
// kind has no panel, and the core builds and runs without any windowing code.

// The editor window that hosts the panels; the user interface implements it.
class DetailsPanelParent {
public:
    virtual ~DetailsPanelParent() = default;
};

class DetailsPanelBase {
public:
    virtual ~DetailsPanelBase() = default;
    // Makes the panel's window as a child of the editor; it lives until the editor closes.
    virtual void Create(DetailsPanelParent& parent) = 0;
};

// The panel of one kind: it hands the kind the values the user set (Kind::Values) and announces
// every change through Changed.
template <class Kind>
class DetailsPanel : public DetailsPanelBase {
public:
    using Values = typename Kind::Values;
    using Maker = std::function<std::unique_ptr<DetailsPanel>(Kind& owner)>;

    boost::signals2::signal<void(DetailsPanel*)> Changed;

    virtual Values GetValues() const = 0;

    static void SetMaker(Maker maker) { MakerSlot() = std::move(maker); }
    static std::unique_ptr<DetailsPanel> Make(Kind& owner)
    {
        return MakerSlot() ? MakerSlot()(owner) : nullptr;
    }

private:
    static Maker& MakerSlot()
    {
        static Maker maker;
        return maker;
    }
};
