#pragma once

// Operations every toolkit widget offers, in the toolkit's terms: text as Windows-1252 bytes,
// colours as TColor, help contexts. The Qt widget stays the single holder of the state that Qt
// knows (text, enabled, visible, geometry); this mixin keeps only what Qt has no notion of.
// Owned by its owner component, which deletes it with itself (see TComponent).

#include "wizard_toolkit_export.h"

#include "TColor.h"
#include "TComponent.h"

#include <string>

class TWinControl;

// The sides of its parent a control keeps its distance to when the parent is resized; a
// control anchored to both opposite sides stretches. TAnchors combines them.
enum TAnchorKind : unsigned
{
    akLeft = 0x1,
    akTop = 0x2,
    akRight = 0x4,
    akBottom = 0x8
};
using TAnchors = unsigned;

class WIZARD_TOOLKIT_EXPORT TControl : public TComponent
{
public:
    // `defaultColor` is what GetColor answers until SetColor is called (clWindow for edits,
    // clBtnFace for forms and panels).
    explicit TControl(TColor defaultColor = clBtnFace) : m_color(defaultColor) {}
    // The state belongs to the Qt object, which cannot be copied: copies copy nothing.
    TControl(const TControl& other) : TComponent(other), m_color(other.m_color) {}
    TControl& operator=(const TControl&) { return *this; }
    ~TControl() override;

    bool operator==(const TControl& other) const { return this == &other; }

    // The widget's text (caption of labels, forms and panels; contents of edits), in
    // Windows-1252. The default reads and writes the Qt "text" property, or the window title
    // of a widget that has none.
    virtual std::string GetText() const;
    virtual void SetText(const std::string& text);
    // Same as Text; the toolkit calls it Caption on labels, buttons and forms.
    std::string GetCaption() const { return GetText(); }
    void SetCaption(const std::string& caption) { SetText(caption); }

    // The control's own flag: a control inside a disabled parent keeps it.
    bool GetEnabled() const;
    void SetEnabled(bool enabled);
    // The control's own flag: true when the control shows as soon as its parent does.
    bool GetVisible() const;
    void SetVisible(bool visible);

    TColor GetColor() const { return m_color; }
    // Paints the control's background (see ColorRole) with `color`; a system colour follows
    // the palette of the moment it is set.
    virtual void SetColor(TColor color);

    int GetHelpContext() const { return m_helpContext; }
    void SetHelpContext(int helpContext) { m_helpContext = helpContext; }
    int GetTag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }
    std::string GetHint() const;
    void SetHint(const std::string& hint);

    // Position in the parent's client area, and size, in pixels.
    int GetLeft() const;
    void SetLeft(int left);
    int GetTop() const;
    void SetTop(int top);
    int GetWidth() const;
    void SetWidth(int width);
    int GetHeight() const;
    void SetHeight(int height);
    void SetBounds(int left, int top, int width, int height);

    // Left and top until set.
    TAnchors GetAnchors() const { return m_anchors; }
    void SetAnchors(TAnchors anchors);

    // The windowed control that contains this one, or null.
    TWinControl* GetParent() const;
    // Places the control inside `parent` (null: takes it out of any parent).
    virtual void SetParent(TWinControl* parent);

    // Repaints the control at once.
    virtual void Update();

protected:
    // The palette role that SetColor paints; by default the widget's background role.
    virtual QPalette::ColorRole ColorRole() const;
    // Whether SetColor must make the widget fill its background itself (frames, forms,
    // labels); widgets that paint their own base (edits) answer false.
    virtual bool FillsBackground() const { return true; }

private:
    TColor m_color;
    int m_helpContext = 0;
    int m_tag = 0;
    TAnchors m_anchors = akLeft | akTop;
};
