<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>bench</name>
    <message>
        <source>电路名称：</source>
        <translation>Circuit name:</translation>
    </message>
    <message>
        <source>电路名称: %1</source>
        <translation>Circuit name: %1</translation>
    </message>
</context>
<context>
    <name>bench actions</name>
    <message>
        <source>保存电路</source>
        <translation>Save circuit</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>调用电路</source>
        <translation>Open circuit</translation>
    </message>
    <message>
        <source>清 空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>操作说明</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>删除芯片</source>
        <translation>Delete chip</translation>
    </message>
    <message>
        <source>放下连线</source>
        <translation>Put down wire</translation>
    </message>
</context>
<context>
    <name>bench::chip_box</name>
    <message>
        <source>查找型号或名称，如 138、计数器</source>
        <translation>Find a model or name: 138, counter</translation>
    </message>
    <message>
        <source>器件盒</source>
        <translation>Chip box</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>逻辑门</source>
        <translation>Gates</translation>
    </message>
    <message>
        <source>触发器</source>
        <translation>Flip-flops</translation>
    </message>
    <message>
        <source>译码计数</source>
        <translation>Decoders, counters</translation>
    </message>
    <message>
        <source>其它</source>
        <translation>Others</translation>
    </message>
</context>
<context>
    <name>bench::help_window</name>
    <message>
        <source>操作说明</source>
        <translation>Instructions</translation>
    </message>
</context>
<context>
    <name>bench::lab_panel</name>
    <message>
        <source>实验单</source>
        <translation>Lab sheet</translation>
    </message>
    <message>
        <source>检查电路</source>
        <translation>Check circuit</translation>
    </message>
    <message>
        <source>打开实验单…</source>
        <translation>Open lab sheet…</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>检查项</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>应为</source>
        <translation>Expected</translation>
    </message>
    <message>
        <source>实际</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source>共 %1 项</source>
        <translation>%1 checks</translation>
    </message>
    <message>
        <source>正在检查…</source>
        <translation>Checking…</translation>
    </message>
    <message>
        <source>通过</source>
        <translation>passed</translation>
    </message>
    <message>
        <source>未通过</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>通过 %1 / %2 项</source>
        <translation>%1 of %2 passed</translation>
    </message>
    <message>
        <source>检查超过 %1 秒，已停止</source>
        <translation>The check took more than %1 s and was stopped</translation>
    </message>
    <message>
        <source>电路无法运行：%1</source>
        <translation>The circuit cannot run: %1</translation>
    </message>
</context>
<context>
    <name>bench::lab_tools</name>
    <message>
        <source>实验单</source>
        <translation>Lab sheet</translation>
    </message>
    <message>
        <source>真值表</source>
        <translation>Truth table</translation>
    </message>
</context>
<context>
    <name>bench::main_window</name>
    <message>
        <source>电路文件</source>
        <translation>Circuit files</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>器件盒</source>
        <translation>Chip box</translation>
    </message>
    <message>
        <source>频率:</source>
        <translation>Rate:</translation>
    </message>
    <message>
        <source>万用表</source>
        <translation>Multimeter</translation>
    </message>
    <message>
        <source>示波器</source>
        <translation>Oscilloscope</translation>
    </message>
    <message>
        <source>放置芯片</source>
        <translation>place chip</translation>
    </message>
    <message>
        <source>调用电路</source>
        <translation>open circuit</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>clear</translation>
    </message>
    <message>
        <source>数码管模块</source>
        <translation>Display module</translation>
    </message>
    <message>
        <source>移动芯片</source>
        <translation>move chip</translation>
    </message>
    <message>
        <source>删除芯片</source>
        <translation>delete chip</translation>
    </message>
    <message>
        <source>拆除连线</source>
        <translation>remove wire</translation>
    </message>
    <message>
        <source>连线</source>
        <translation>wire</translation>
    </message>
    <message>
        <source>数字电路虚拟实验台</source>
        <translation>Digital Circuit Lab Bench</translation>
    </message>
    <message>
        <source>撤销 %1 (Ctrl+Z)</source>
        <translation>Undo %1 (Ctrl+Z)</translation>
    </message>
    <message>
        <source>重做 %1 (Ctrl+Y)</source>
        <translation>Redo %1 (Ctrl+Y)</translation>
    </message>
    <message>
        <source>未命名电路</source>
        <translation>Untitled circuit</translation>
    </message>
    <message>
        <source>已撤销：%1</source>
        <translation>Undone: %1</translation>
    </message>
    <message>
        <source>已重做：%1</source>
        <translation>Redone: %1</translation>
    </message>
    <message>
        <source>那里的插孔已被另一块芯片占用，芯片放回原处</source>
        <translation>Another chip uses those holes: the chip went back where it was</translation>
    </message>
    <message>
        <source>那里的插孔已被另一块芯片占用，芯片没有放上</source>
        <translation>Another chip uses those holes: the chip was not placed</translation>
    </message>
    <message>
        <source>面包板上已没有空位放这块芯片</source>
        <translation>The breadboard has no free place for this chip</translation>
    </message>
    <message>
        <source>电路已满，不能再放芯片</source>
        <translation>The circuit is full: no more chips can be placed</translation>
    </message>
    <message>
        <source>已保存 %1</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <source>当前电路已修改，要先保存吗?</source>
        <translation>The circuit has changed. Save it first?</translation>
    </message>
    <message>
        <source>电路%1已修改，要先保存吗?</source>
        <translation>The circuit %1 has changed. Save it first?</translation>
    </message>
</context>
<context>
    <name>bench::pinout_window</name>
    <message>
        <source>芯片引脚和功能</source>
        <translation>Chip pins and function</translation>
    </message>
</context>
<context>
    <name>bench::truth_table_dialog</name>
    <message>
        <source>真值表</source>
        <translation>Truth table</translation>
    </message>
    <message>
        <source>输入：拨动开关（最多 8 个，号小的为高位）</source>
        <translation>Inputs: toggle switches (up to 8, the lowest number is the highest bit)</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>指示灯</source>
        <translation>LEDs</translation>
    </message>
    <message>
        <source>数码管第 %1 位</source>
        <translation>Display digit %1</translation>
    </message>
    <message>
        <source>连接点 行</source>
        <translation>Point: row</translation>
    </message>
    <message>
        <source>列</source>
        <translation>column</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>双击删除</source>
        <translation>Double-click to remove</translation>
    </message>
    <message>
        <source>每行拨好开关后走时钟节拍</source>
        <translation>Clock ticks after each row sets its switches</translation>
    </message>
    <message>
        <source>生成真值表</source>
        <translation>Make truth table</translation>
    </message>
    <message>
        <source>导出 CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>存为实验单…</source>
        <translation>Save as lab sheet…</translation>
    </message>
    <message>
        <source>显示器 U%1</source>
        <translation>Display U%1</translation>
    </message>
    <message>
        <source>请至少选一个输入开关</source>
        <translation>Choose at least one input switch</translation>
    </message>
    <message>
        <source>请至少选一个输出</source>
        <translation>Choose at least one output</translation>
    </message>
    <message>
        <source>共 %1 行：每种组合都在电路的副本上运行，实验台上的电路没有改变。</source>
        <translation>%1 rows: every combination ran on a copy of the circuit; the circuit on the bench has not changed.</translation>
    </message>
    <message>
        <source>%1 真值表</source>
        <translation>%1 truth table</translation>
    </message>
</context>
<context>
    <name>board</name>
    <message>
        <source>器件盒</source>
        <translation>Chip box</translation>
    </message>
    <message>
        <source>电路文件</source>
        <translation>Circuit files</translation>
    </message>
    <message>
        <source>指示灯</source>
        <translation>LEDs</translation>
    </message>
    <message>
        <source>电源</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>时钟</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>单脉冲</source>
        <translation>Pulse</translation>
    </message>
    <message>
        <source>连接线</source>
        <translation>Wires</translation>
    </message>
    <message>
        <source>数码管</source>
        <translation>Display</translation>
    </message>
</context>
<context>
    <name>chip description</name>
    <message>
        <source>四2输入与非门</source>
        <translation>Quad 2-input NAND gate</translation>
    </message>
    <message>
        <source>四2输入或非门</source>
        <translation>Quad 2-input NOR gate</translation>
    </message>
    <message>
        <source>六反向器</source>
        <translation>Hex inverter</translation>
    </message>
    <message>
        <source>四2输入与门</source>
        <translation>Quad 2-input AND gate</translation>
    </message>
    <message>
        <source>四2输入与门（OC）</source>
        <translation>Quad 2-input AND gate (OC)</translation>
    </message>
    <message>
        <source>三3输入与门</source>
        <translation>Triple 3-input AND gate</translation>
    </message>
    <message>
        <source>双4输入与非门</source>
        <translation>Dual 4-input NAND gate</translation>
    </message>
    <message>
        <source>三3输入或非门</source>
        <translation>Triple 3-input NOR gate</translation>
    </message>
    <message>
        <source>8输入与非门</source>
        <translation>8-input NAND gate</translation>
    </message>
    <message>
        <source>四2输入或门</source>
        <translation>Quad 2-input OR gate</translation>
    </message>
    <message>
        <source>双4输入与非缓冲器</source>
        <translation>Dual 4-input NAND buffer</translation>
    </message>
    <message>
        <source>七段译码/驱动器</source>
        <translation>7-segment decoder/driver</translation>
    </message>
    <message>
        <source>2-2、3-3输入与或非门</source>
        <translation>2-2, 3-3 input AND-OR-invert</translation>
    </message>
    <message>
        <source>双上升沿D型触发器</source>
        <translation>Dual rising-edge D flip-flop</translation>
    </message>
    <message>
        <source>四2输入异或门</source>
        <translation>Quad 2-input XOR gate</translation>
    </message>
    <message>
        <source>双下降沿J-K触发器</source>
        <translation>Dual falling-edge J-K flip-flop</translation>
    </message>
    <message>
        <source>四总线缓冲器</source>
        <translation>Quad bus buffer</translation>
    </message>
    <message>
        <source>3-8译码器</source>
        <translation>3-to-8 decoder</translation>
    </message>
    <message>
        <source>8线－3线优先编码器</source>
        <translation>8-to-3 line priority encoder</translation>
    </message>
    <message>
        <source>8选1数据选择器</source>
        <translation>8-to-1 data selector</translation>
    </message>
    <message>
        <source>双4选1数据选择器</source>
        <translation>Dual 4-to-1 data selector</translation>
    </message>
    <message>
        <source>四位十进制同步计数器(异步清除)</source>
        <translation>Decade counter, asynchronous clear</translation>
    </message>
    <message>
        <source>双进位全加器</source>
        <translation>Dual carry-save full adder</translation>
    </message>
    <message>
        <source>四位十进制同步加/减计数器</source>
        <translation>Up/down decade counter</translation>
    </message>
    <message>
        <source>四位双向移位寄存器</source>
        <translation>4-bit bidirectional shift register</translation>
    </message>
    <message>
        <source>带清除复位八D触发器</source>
        <translation>Octal D flip-flop with clear</translation>
    </message>
    <message>
        <source>双D触发器</source>
        <translation>Dual D flip-flop</translation>
    </message>
    <message>
        <source>双上升沿J-K触发器</source>
        <translation>Dual rising-edge J-K flip-flop</translation>
    </message>
    <message>
        <source>七段译码驱动器</source>
        <translation>7-segment latch/decoder/driver</translation>
    </message>
    <message>
        <source>双BCD同步加计数器</source>
        <translation>Dual BCD up counter</translation>
    </message>
    <message>
        <source>七段数码显示器</source>
        <translation>7-segment display</translation>
    </message>
</context>
<context>
    <name>circuit file</name>
    <message>
        <source>文件%1不存在</source>
        <translation>File %1 does not exist</translation>
    </message>
    <message>
        <source>文件%1写错误</source>
        <translation>File %1 could not be written</translation>
    </message>
    <message>
        <source>文件%1格式错误</source>
        <translation>File %1 is not in the circuit format</translation>
    </message>
    <message>
        <source>文件%1已存在，重写它吗?</source>
        <translation>File %1 already exists. Overwrite it?</translation>
    </message>
    <message>
        <source>警告信息</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>file menu</name>
    <message>
        <source>保存电路</source>
        <translation>Save circuit</translation>
    </message>
    <message>
        <source>调用电路</source>
        <translation>Open circuit</translation>
    </message>
    <message>
        <source>清 空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>撤 销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重 做</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>file prompts</name>
    <message>
        <source>电路(*.cir)</source>
        <translation>Circuits (*.cir)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>help</name>
    <message>
        <source>1.点击左上角图标     ，可调用系统提供的电路或保存当前电路;</source>
        <translation>1. Click the icon            at the top left to load a shipped circuit or save the current one;</translation>
    </message>
    <message>
        <source>2.从左侧器件库中取出(拖动图片、或单击名称)芯片;</source>
        <translation>2. Take chips from the chip box at the left (drag a picture, or click a name);</translation>
    </message>
    <message>
        <source>3.右击芯片可查看逻辑图，双击则删除；</source>
        <translation>3. Right-click a chip to see its logic diagram, double-click it to remove it;</translation>
    </message>
    <message>
        <source>4.右上角单击连接线取线后，再单击连接点插线连接，右击可折线。</source>
        <translation>4. Click a wire at the top right to take it, then click connection points to plug it in; a right click makes a bend.</translation>
    </message>
    <message>
        <source>连接点包括：下方电源、拨动开关、脉冲按钮，上方的指示灯和</source>
        <translation>The connection points are the power, toggle switch and pulse button terminals below, the LEDs above</translation>
    </message>
    <message>
        <source>右侧的数码管；</source>
        <translation>and the display at the right;</translation>
    </message>
    <message>
        <source>5.打开电源开关，单击有关拨动开关，即可查看LED或数码管指示变化。</source>
        <translation>5. Switch the power on and click the toggle switches to watch the LEDs or the display change.</translation>
    </message>
    <message>
        <source>亦可用右侧万用表测量高/低电平或接点连通性。</source>
        <translation>The multimeter at the right measures high and low levels or continuity.</translation>
    </message>
    <message>
        <source>6.万用表：左键或右键单击量程旋钮可向两个方向换挡，指针随即按新量程重新测量。</source>
        <translation>6. Multimeter: a left or right click on the range knob turns it either way, and the needle measures again at the new range.</translation>
    </message>
    <message>
        <source>7.示波器：单击电源开关打开或关闭显示；单击旋钮和开关换挡，上下拖动位置旋钮移动波形；把探头拖到连接点上即可观察波形。</source>
        <translation>7. Oscilloscope: click the power switch to turn the display on or off; click knobs and switches to change their setting, drag a position knob up or down to move its trace; drag the probe onto a connection point to watch its waveform.</translation>
    </message>
    <message>
        <source>8.频率滑条：调节时钟快慢，右端最快，左侧方框显示当前数值。</source>
        <translation>8. Rate bar: sets how fast the clock runs, fastest at the right end; the box at its left shows the present value.</translation>
    </message>
    <message>
        <source>9.撤销与重做：放置、移动、删除芯片，连线、拆线、清空和调用电路都可以撤销（Ctrl+Z）和重做（Ctrl+Y 或 Ctrl+Shift+Z）；电源、开关和脉冲按钮的操作不在其中。</source>
        <translation>9. Undo and redo: placing, moving and deleting chips, drawing and removing wires, clearing and loading circuits can all be undone (Ctrl+Z) and redone (Ctrl+Y or Ctrl+Shift+Z); the power, the switches and the pulse buttons are not among them.</translation>
    </message>
    <message>
        <source>10.快捷键：Ctrl+S 保存电路，Ctrl+Shift+S 另存为，Ctrl+O 调用电路，F1 打开说明，Delete 删除指针下的芯片，Esc 放下手中的连线。</source>
        <translation>10. Keys: Ctrl+S saves the circuit, Ctrl+Shift+S saves it under a new name, Ctrl+O loads a circuit, F1 opens these instructions, Delete removes the chip under the pointer, Esc puts down the wire in hand.</translation>
    </message>
</context>
<context>
    <name>lab messages</name>
    <message>
        <source>实验单 %1 第 %2 行</source>
        <translation>Lab sheet %1, line %2</translation>
    </message>
    <message>
        <source>找不到实验单 %1</source>
        <translation>Lab sheet %1 not found</translation>
    </message>
    <message>
        <source>实验单 %1 无法读取</source>
        <translation>Lab sheet %1 cannot be read</translation>
    </message>
    <message>
        <source>%1 太大，不是实验单</source>
        <translation>%1 is too large to be a lab sheet</translation>
    </message>
    <message>
        <source>不是 UTF-8 文本</source>
        <translation> is not UTF-8 text</translation>
    </message>
    <message>
        <source>：无法识别的步骤“%1”</source>
        <translation>: the step “%1” is unknown</translation>
    </message>
    <message>
        <source>：“%1”前面没有读取步骤（leds、digits、point、pin、display、measure、capture）</source>
        <translation>: “%1” follows no reading step (leds, digits, point, pin, display, measure, capture)</translation>
    </message>
    <message>
        <source>：第 %1 行的读取步骤已经有了应得结果</source>
        <translation>: the reading step on line %1 already has its expected result</translation>
    </message>
    <message>
        <source>：“%1”与第 %2 行步骤的输出格式不符</source>
        <translation>: “%1” is not what the step on line %2 prints</translation>
    </message>
    <message>
        <source>实验单 %1 没有要检查的项</source>
        <translation>Lab sheet %1 has nothing to check</translation>
    </message>
</context>
<context>
    <name>lab panel</name>
    <message>
        <source>第 %1 行</source>
        <translation>Line %1</translation>
    </message>
</context>
<context>
    <name>lab prompts</name>
    <message>
        <source>实验单(*.lab)</source>
        <translation>Lab sheets (*.lab)</translation>
    </message>
    <message>
        <source>CSV 表格(*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
    <message>
        <source>打开实验单</source>
        <translation>Open lab sheet</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>加载电路文件，报告芯片和导线的数目后退出。</source>
        <translation>Load the circuit file, report its chips and wires, and quit.</translation>
    </message>
    <message>
        <source>启动时打开的电路文件。</source>
        <translation>A circuit file to open at start.</translation>
    </message>
    <message>
        <source>--report-load 需要一个电路文件</source>
        <translation>--report-load needs one circuit file</translation>
    </message>
</context>
<context>
    <name>meter</name>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>ACV</source>
        <translation>ACV</translation>
    </message>
    <message>
        <source>DCV</source>
        <translation>DCV</translation>
    </message>
    <message>
        <source>AC</source>
        <translation>AC</translation>
    </message>
</context>
<context>
    <name>oscilloscope</name>
    <message>
        <source>CH1</source>
        <translation>CH1</translation>
    </message>
    <message>
        <source>VOLTS/DIV</source>
        <translation>VOLTS/DIV</translation>
    </message>
    <message>
        <source>POSITION</source>
        <translation>POSITION</translation>
    </message>
    <message>
        <source>CH2</source>
        <translation>CH2</translation>
    </message>
    <message>
        <source>DUAL</source>
        <translation>DUAL</translation>
    </message>
    <message>
        <source>IN</source>
        <translation>IN</translation>
    </message>
    <message>
        <source>ALT</source>
        <translation>ALT</translation>
    </message>
    <message>
        <source>CHOP</source>
        <translation>CHOP</translation>
    </message>
    <message>
        <source>GND</source>
        <translation>GND</translation>
    </message>
    <message>
        <source>POWER</source>
        <translation>POWER</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>SHIFT</translation>
    </message>
    <message>
        <source>TIME/DIV</source>
        <translation>TIME/DIV</translation>
    </message>
    <message>
        <source>DUAL TRACE OSCILLOSCOPE</source>
        <translation>DUAL TRACE OSCILLOSCOPE</translation>
    </message>
    <message>
        <source>TWO CHANNEL</source>
        <translation>TWO CHANNEL</translation>
    </message>
    <message>
        <source>AC</source>
        <translation>AC</translation>
    </message>
    <message>
        <source>DC</source>
        <translation>DC</translation>
    </message>
</context>
<context>
    <name>pointer text</name>
    <message>
        <source>面包板第%1组 第%2列</source>
        <translation>Breadboard group %1, column %2</translation>
    </message>
    <message>
        <source>上总线 第%1段</source>
        <translation>Upper bus, segment %1</translation>
    </message>
    <message>
        <source>下总线 第%1段</source>
        <translation>Lower bus, segment %1</translation>
    </message>
    <message>
        <source>数码管 COM%1</source>
        <translation>Display COM%1</translation>
    </message>
    <message>
        <source>数码管 %1段</source>
        <translation>Display segment %1</translation>
    </message>
    <message>
        <source>低电平</source>
        <translation>low</translation>
    </message>
    <message>
        <source>高电平</source>
        <translation>high</translation>
    </message>
    <message>
        <source>悬空</source>
        <translation>floating</translation>
    </message>
    <message>
        <source>输出冲突</source>
        <translation>output conflict</translation>
    </message>
    <message>
        <source>外部冲突</source>
        <translation>external conflict</translation>
    </message>
    <message>
        <source>未加电</source>
        <translation>no power</translation>
    </message>
    <message>
        <source>%1 脚%2</source>
        <translation>%1 pin %2</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source> 等%1个引脚</source>
        <translation> (%1 pins in all)</translation>
    </message>
    <message>
        <source>单击断开这里的表笔连接</source>
        <translation>click to take the probe off here</translation>
    </message>
    <message>
        <source>单击删除这根导线</source>
        <translation>click to remove this wire</translation>
    </message>
    <message>
        <source>未插入面包板</source>
        <translation>not on the breadboard</translation>
    </message>
    <message>
        <source>脚%1</source>
        <translation>pin %1</translation>
    </message>
</context>
<context>
    <name>truth table</name>
    <message>
        <source>数码管%1 %2</source>
        <translation>Display%1 %2</translation>
    </message>
    <message>
        <source>真值表</source>
        <translation>Truth table</translation>
    </message>
    <message>
        <source>输入：%1（拨动开关，第一个为最高位）
输出：%2
每行拨好开关后走 %3 个时钟节拍再读输出。</source>
        <translation>Inputs: %1 (toggle switches, the first is the highest bit)
Outputs: %2
Each row sets the switches, then runs %3 clock ticks before it reads the outputs.</translation>
    </message>
</context>
</TS>
