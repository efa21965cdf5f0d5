#!/usr/bin/env bash
# What a Windows screen reader reads of the program through UI Automation,
# under Wine 10 on a virtual X display (xvfb-run, no window manager), read by
# uia_read.exe: the window, its frames, texts, lists and buttons in reading
# order as the window defines them; the Tab order; the results after the
# keyboard road to a date and 节律分析 on 15 March 2024; the hints after
# 清空数据; the 工程1 box. Wine 10 answers no list's value and sends no
# events, so neither is read.
# Usage: uia_test.sh PROGRAM UIA-READ HOME-PAGE   (inside xvfb-run)
program=$1 reader=$2 home=$3
. "$(dirname "$0")/common.sh"
ending='wineserver -k 2>/dev/null'
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES='winemenubuilder.exe,mscoree,mshtml='
host=${home#*://} && host=${host%%[/:?#]*}
# read_window TITLE: what the reader reads of it, where a focus is not the point.
read_window() { timeout 90 wine "$reader" "$1" | sed 's/\tfocused$/\t/'; }
# focused: the name of the control that has the keyboard.
focused() { timeout 90 wine "$reader" "$title" 1 | awk -F '\t' '$1 == 1 && $5 == "focused" { print $3 }'; }
# reads EXPECTED: the window reads as EXPECTED (see window); what differs is the reason.
reads() { diff <(sed 's/ | /\t/g' <<<"$1") <(read_window "$title") >&2; }
# window GREETING INTELLECT EMOTION PHYSICAL STATE: the window as it reads
# with those texts, the month and day lists in that state; one element to a
# line, its fields separated by " | ".
window() {
    cat <<EOF
0 | Window | $title |  | 
1 | Group | 生日信息录入 |  | 
2 | Text | 请选择您的阳历出生时间： |  | 
2 | Text | $1 |  | 
1 | ComboBox | 出生年份 |  | 
2 | Edit |  |  | 
1 | ComboBox | 出生月份 |  | $5
2 | Edit |  |  | $5
1 | ComboBox | 出生日期 |  | $5
2 | Edit |  |  | $5
1 | Group | 智力周期分析 |  | 
2 | Text | $2 |  | 
2 | Text | 注：智力周期评价等级分别为：聪慧 > 优良 > 良好 > 欠佳 > 迟钝 |  | 
1 | Group | 情绪周期分析 |  | 
2 | Text | $3 |  | 
2 | Text | 注：情绪周期评价等级分别为：高涨 > 优良 > 良好 > 欠佳 > 低沉 |  | 
1 | Group | 体力周期分析 |  | 
2 | Text | $4 |  | 
2 | Text | 注：体力周期评价等级分别为：充沛 > 优良 > 良好 > 欠佳 > 虚弱 |  | 
1 | Button | 节律分析 | 根据所选的出生日期分析您今天的生物节律 | 
1 | Button | 清空数据 | 清空所选的出生日期和分析结果 | 
1 | Button | 退出程序 | 退出本程序 | 
1 | Group | 程序说明 |  | 
2 | Text | 本程序可以帮助您了解您当前的生理节律状况，有助于您安排生活、工作和学习。但多种因素会影响分析的准确性！ |  | 
2 | Text | 软件作者：Zendrel |  | 
2 | Text | 版本：V1.0 正式版 |  | 
1 | Group | 科学依据 |  | 
2 | Text | 　　人们早就发现，一个人有时体力充沛，精神焕发、情绪高涨、才思敏捷、记忆力强；而有时却浑身困乏、情绪消沉、思维迟钝，记忆力差。这是什么原因呢？人们百思不得其解，长期只知其然，而不知其所以然。 |  | 
2 | Text | 　　二十世纪初，两位素不相识的科学家分别对大量病例和观察记录进行了长期的统计研究，不约而同地发现：人的体力存在着一个以23天为周期的变化规律，人的情绪存在着一个以28天为周期的变化规律，而且这两个周期都是从人出生的那一天开始计算的。二十年后，一位教授在研究了数千名学生的考试成绩之后又发现，人的智力存在着一个以33天为周期的变化规律。这三位科学家的研究成果揭示了人的体力、情绪和智力随着时间周期性变化的规律：在每个周期的前半段，人的状态逐渐上升，处于高潮期；在后半段，人的状态逐渐下降，处于低潮期；在两者交替的临界日前后，状态最不稳定。 |  | 
2 | Text | 　　后来，人们把这三位科学家发现的三个生物节奏总结为"人体生物三节律"，因为这三个节律象钟表一样循环往复，又被人们称作"人体生物钟"，国外称之为"PSI周期"。 |  | 
1 | Button | 访问Zendrel庄园：$host | 在浏览器中打开Zendrel庄园的主页 | 
EOF
}
questions=(猜猜您近日的智力状况会是什么等级？ 猜猜您近日的情绪状况会是什么等级？ 猜猜您近日的体力状况会是什么等级？)

timeout 120 wineboot --init >/dev/null 2>&1 || { echo "FAILED: wineboot could not make a Wine prefix"; exit 1; }
faketime '2024-03-15 12:00:00' wine "$program" >"$work/log" 2>&1 & pid=$!
check "as it opens: the window, each frame a group named by its title, every text whole, each list named by what it asks for, each button with its description, in reading order" \
    reads "$(window '小提示：录入信息后，点击“节律分析”按钮即可查看分析结果！！' "${questions[@]}" disabled)"
order=
for _ in 1 2 3 4 5 6; do order+="$(focused) > " && keys Tab; done
check "the Tab order, read from the focus" equal "$order" \
    "出生年份 > 节律分析 > 清空数据 > 退出程序 > 访问Zendrel庄园：$host > 出生年份 > "
keys space
check "节律分析 with no date: the 工程1 box, read through its child windows, with its warning" \
    grep -qP '^1\t[^\t]*\t请选择您的阳历出生年份！\t' <(read_window 工程1)
keys Return
keys shift+Tab $(printf 'Down %.0s' {1..81}) Tab $(printf 'Down %.0s' {1..5}) Tab $(printf 'Down %.0s' {1..12}) Tab space
check "the keyboard road to 1980年5月12日 on 15 March 2024: the four results" reads "$(window \
    'Zendrel：Hi，您好！ 您的生日为：1980年5月12日，您已出生了：16013天。' \
    '您当前正处于第 486 个智力周期中（每 33 天为一个智力周期）\r\n\r\n您今天的智力状况评价等级：聪慧    变化趋势分析：不久将下滑' \
    '您当前正处于第 572 个情绪周期中（每 28 天为一个情绪周期）\r\n\r\n您今天的情绪状况评价等级：欠佳    变化趋势分析：不断提高中' \
    '您当前正处于第 697 个体力周期中（每 23 天为一个体力周期）\r\n\r\n您今天的体力状况评价等级：充沛    变化趋势分析：不久将下滑')"
keys Tab space
check "清空数据: the hints, the month and day lists closed" \
    reads "$(window '小提示：点击“开始分析”按钮后系统将给出分析结果！！' "${questions[@]}" disabled)"
[[ -z ${failed:-} ]] || { echo "the program's output:" && tail -n 20 "$work/log"; }
exit "${failed:-0}"
