#include "TLabel.h"

TLabel::TLabel(TComponent* owner) : TCustomLabel(owner) {}

TLabel::~TLabel() = default;
