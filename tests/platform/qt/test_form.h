// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/control.h"

#include <vector>

namespace platform::qt::testing {

// One control of each kind on a 300 x 200 px form, none overlapping, so a
// click at a widget's centre reaches that widget.
struct TestForm {
  TestForm() {
    form.caption = "Test Table";
    form.clientWidth = 4500;
    form.clientHeight = 3000;
    form.height = 3810;
    form.backColor = {0, 128, 0};
    label.caption = "Bank Balance";
    label.font = {12, true, false};
    label.backColor = {0, 128, 0};
    label.foreColor = {255, 255, 0};
    button.caption = "Double Down";
    option1.caption = "Chips";
    option2.caption = "Cash";
    group = {&option1, &option2};
    option1.joinGroup(&group);
    option2.joinGroup(&group);
    option1.setValue(true);
    shape.backColor = {255, 0, 0};
    line.x1 = 150;
    line.y1 = 2700;
    line.x2 = 4350;
    line.y2 = 2700;
    hello.shortcut = "Ctrl+H";
    file.items = {&hello};
    form.controls = {&label, &button, &text, &option1, &option2, &image, &shape, &line};
    form.menus = {&file};
  }
  TestForm(const TestForm&) = delete;
  TestForm& operator=(const TestForm&) = delete;

  Form form;
  Control label{ControlKind::Label, "Label1", {150, 150, 1800, 450}};
  Control button{ControlKind::CommandButton, "Command1", {150, 750, 735, 495}};
  Control text{ControlKind::TextBox, "Text1", {2100, 750, 1200, 315}};
  Control option1{ControlKind::OptionButton, "Option1", {150, 1500, 1200, 300}};
  Control option2{ControlKind::OptionButton, "Option2", {1500, 1500, 1200, 300}};
  Control image{ControlKind::Image, "Image1", {3000, 1500, 1065, 1440}};
  Control shape{ControlKind::Shape, "Shape1", {3600, 150, 240, 240}};
  Control line{ControlKind::Line, "Line1", {}};
  std::vector<Control*> group;
  MenuItem file{"mnuFile", "&File"};
  MenuItem hello{"mnuItemHello", "&Hello"};
};

// The kinds that show lists, choices, progress and time, on a 400 x 300 px
// form, none overlapping.
struct ListForm {
  ListForm() {
    form.caption = "Test Lists";
    form.clientWidth = 6000;
    form.clientHeight = 4500;
    check.caption = "Binary";
    form.controls = {&check, &list, &combo, &progress, &drives, &folders, &timer};
  }
  ListForm(const ListForm&) = delete;
  ListForm& operator=(const ListForm&) = delete;

  Form form;
  Control check{ControlKind::CheckBox, "Check1", {150, 150, 1800, 300}};
  Control list{ControlKind::ListBox, "List1", {150, 600, 1800, 1800}};
  Control combo{ControlKind::ComboBox, "Combo1", {2100, 150, 1800, 330}};
  Control progress{ControlKind::ProgressBar, "ProgressBar1", {2100, 600, 1800, 300}};
  Control drives{ControlKind::DriveList, "Drive1", {2100, 1050, 1800, 330}};
  Control folders{ControlKind::FolderTree, "Dir1", {4050, 150, 1800, 3000}};
  Control timer{ControlKind::Timer, "Timer1", {}};
};

}  // namespace platform::qt::testing
