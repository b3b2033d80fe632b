#pragma once

#include "automation/powerpoint/model/Application.h"
#include "automation/powerpoint/model/Cell.h"
#include "automation/powerpoint/model/GroupItems.h"
#include "automation/powerpoint/model/HeaderFooter.h"
#include "automation/powerpoint/model/HeadersFooters.h"
#include "automation/powerpoint/model/Master.h"
#include "automation/powerpoint/model/Presentation.h"
#include "automation/powerpoint/model/Presentations.h"
#include "automation/powerpoint/model/Shape.h"
#include "automation/powerpoint/model/ShapeType.h"
#include "automation/powerpoint/model/Shapes.h"
#include "automation/powerpoint/model/Slide.h"
#include "automation/powerpoint/model/Slides.h"
#include "automation/powerpoint/model/Table.h"
#include "automation/powerpoint/model/TextFrame.h"
#include "automation/powerpoint/model/TextRange.h"

// The members of PowerPoint's object model that the PowerPoint counter drives, one interface per
// header in model/. Our own engine implements them over the presentation model; tests put
// recording fakes in their place. Every member that fails throws AutomationError with source
// "PowerPoint". Objects handed out are owned by the caller, as automation references are; they
// keep what they refer to alive. Collections are addressed from 1; flags read as 32-bit
// integers, any value other than 0 meaning yes.
namespace tw {
using PowerPointApplication = powerpoint::Application;
}  // namespace tw
