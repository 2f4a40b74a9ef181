#pragma once

// A numbered list of small images, shared by the buttons, actions and menu items that show
// them by index.
// Owned by its owner component, which deletes it with itself (see TComponent).

#include "wizard_toolkit_export.h"

#include "TComponent.h"

#include <QIcon>
#include <QList>
#include <QObject>

class WIZARD_TOOLKIT_EXPORT TImageList : public QObject, public TComponent
{
    Q_OBJECT

public:
    explicit TImageList(TComponent* owner = nullptr);
    // A list is a Qt object: it is shared by pointer, never copied.
    TImageList(const TImageList&) = delete;
    TImageList& operator=(const TImageList&) = delete;
    ~TImageList() override;

    bool operator==(const TImageList& other) const { return this == &other; }

    // Appends `icon` and answers its index.
    int Add(const QIcon& icon);
    int GetCount() const { return static_cast<int>(m_icons.size()); }
    // The image at `index`; a null icon outside the list (-1 included), so that "no image"
    // needs no test.
    QIcon GetIcon(int index) const;
    void Clear();

    // Size of the images, 16 x 16 unless set.
    int GetWidth() const { return m_width; }
    void SetWidth(int width);
    int GetHeight() const { return m_height; }
    void SetHeight(int height);
    // Remembered only: the icons carry their own transparency.
    bool GetMasked() const { return m_masked; }
    void SetMasked(bool masked) { m_masked = masked; }

signals:
    // Images were added, replaced or removed.
    void Changed();

private:
    QList<QIcon> m_icons;
    int m_width = 16;
    int m_height = 16;
    bool m_masked = true;
};
