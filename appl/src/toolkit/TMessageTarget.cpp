#include "TMessageTarget.h"

TMessageTarget::~TMessageTarget() = default;

void TMessageTarget::Dispatch(void* message)
{
    if (message)
        DefaultHandler(message);
}

void TMessageTarget::DefaultHandler(void* message)
{
    if (message)
        static_cast<TMessage*>(message)->Result = 0;
}
