#pragma once

// A French phone number: five pairs of digits separated by dots; blank, it shows
// "  .  .  .  .  ".

#include "TcxStaticOrEdit.h"

class TcxEditTel : public TcxStaticOrEdit
{
    Q_OBJECT

public:
    explicit TcxEditTel(TComponent* owner = nullptr);
    ~TcxEditTel() override;
};
