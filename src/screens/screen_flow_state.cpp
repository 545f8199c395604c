#include "screens/screen_flow.h"

ScreenFlowState ScreenFlow;
