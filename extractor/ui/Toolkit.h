// Everything a window class needs from the form toolkit.
#pragma once

#include "ui/Actions.h"
#include "ui/Application.h"
#include "ui/Design.h"
#include "ui/Dialogs.h"
#include "ui/Form.h"
#include "ui/ImageList.h"
#include "ui/ListView.h"
#include "ui/Menus.h"
#include "ui/StdControls.h"
#include "ui/TreeView.h"
