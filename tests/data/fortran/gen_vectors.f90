! Reference-vector generator for the velmorant text I/O core.
!
! Every record produced here is captured exactly as the Fortran runtime
! writes it to an ordinary formatted sequential file: the write goes to a
! fresh scratch unit, the unit is rewound and each record is read back with
! non-advancing input and size=, so trailing blanks are preserved.
!
! Each output line ends with a '|' marker placed right after the captured
! text.  Doubles are identified by their 64-bit IEEE pattern (16 lowercase
! hex digits) because decimal text would be lossy.  When one write produces
! several records they are joined with the two characters '\n'.
!
! Build and run with gen.sh (writes the *.txt files into the current folder).
program gen_vectors
  use, intrinsic :: ieee_arithmetic, only: ieee_value, ieee_positive_inf, &
                                           ieee_negative_inf, ieee_quiet_nan
  implicit none

  call gen_listdirected_real8()
  call gen_listdirected_int()
  call gen_listdirected_mixed()
  call gen_edit_real8()
  call gen_edit_int()
  call gen_edit_mixed()

contains

  ! ------------------------------------------------------------------
  ! Helpers
  ! ------------------------------------------------------------------

  ! 16 lowercase hex digits of the IEEE bit pattern of x.
  function hex(x) result(s)
    real(8), intent(in) :: x
    character(16) :: s
    integer :: k
    write(s, '(z16.16)') transfer(x, 0_8)
    do k = 1, 16
      if (s(k:k) >= 'A' .and. s(k:k) <= 'F') s(k:k) = achar(iachar(s(k:k)) + 32)
    end do
  end function hex

  ! Double from an IEEE bit pattern given as a 64-bit integer.
  function from_bits(b) result(x)
    integer(8), intent(in) :: b
    real(8) :: x
    x = transfer(b, 0d0)
  end function from_bits

  function itoa(i) result(s)
    integer, intent(in) :: i
    character(:), allocatable :: s
    character(20) :: tmp
    write(tmp, '(i0)') i
    s = trim(tmp)
  end function itoa

  ! Items of the CASE mini-language.
  function cT(text) result(s)
    character(*), intent(in) :: text
    character(:), allocatable :: s
    s = 'T:' // text
  end function cT

  function cI(i) result(s)
    integer, intent(in) :: i
    character(:), allocatable :: s
    s = 'I:' // itoa(i)
  end function cI

  function cD(x) result(s)
    real(8), intent(in) :: x
    character(:), allocatable :: s
    s = 'D:' // hex(x)
  end function cD

  ! Open an output data file with a record length large enough for any line.
  subroutine open_out(f, name)
    integer, intent(out) :: f
    character(*), intent(in) :: name
    open(newunit=f, file=name, status='replace', action='write', &
         form='formatted', access='sequential', recl=100000)
  end subroutine open_out

  ! Fresh scratch unit that receives the write under test.
  subroutine cap_open(u)
    integer, intent(out) :: u
    open(newunit=u, status='scratch', action='readwrite', &
         form='formatted', access='sequential')
  end subroutine cap_open

  ! Read back everything written to u (exact record lengths), join the
  ! records with a literal '\n' and close the scratch unit.
  subroutine cap_close(u, out)
    integer, intent(in) :: u
    character(:), allocatable, intent(out) :: out
    character(256) :: chunk
    character(:), allocatable :: rec
    integer :: n, ios, nrec

    rewind(u)
    out = ''
    nrec = 0
    do
      rec = ''
      do
        n = 0
        read(u, '(a)', advance='no', size=n, iostat=ios) chunk
        if (n > 0) rec = rec // chunk(1:n)
        if (ios /= 0) exit
      end do
      if (is_iostat_end(ios)) exit
      if (.not. is_iostat_eor(ios)) error stop 'unexpected read error'
      if (nrec > 0) out = out // '\n'
      out = out // rec
      nrec = nrec + 1
    end do
    close(u)
  end subroutine cap_close

  subroutine emit(f, line)
    integer, intent(in) :: f
    character(*), intent(in) :: line
    write(f, '(a)') line
  end subroutine emit

  ! Append x to the value list v(1:n) unless the same bit pattern is present.
  subroutine push(v, n, x)
    real(8), intent(inout) :: v(:)
    integer, intent(inout) :: n
    real(8), intent(in) :: x
    integer :: k
    do k = 1, n
      if (transfer(v(k), 0_8) == transfer(x, 0_8)) return
    end do
    n = n + 1
    if (n > size(v)) error stop 'value table too small'
    v(n) = x
  end subroutine push

  ! Special values shared by the real(8) generators.
  subroutine push_specials(v, n)
    real(8), intent(inout) :: v(:)
    integer, intent(inout) :: n
    call push(v, n, 0d0)
    call push(v, n, from_bits(-huge(0_8) - 1_8))       ! -0.0
    call push(v, n, 1d0)
    call push(v, n, -1d0)
    call push(v, n, 1.25d0)
    call push(v, n, -1.25d0)
    call push(v, n, 0.1d0)
    call push(v, n, nearest(0.1d0, -1d0))              ! 0.1 - ulp
    call push(v, n, nearest(0.1d0, 1d0))               ! 0.1 + ulp
    call push(v, n, 0.09999999999999999d0)
    call push(v, n, 0.099999999999999999d0)
    call push(v, n, 0.5d0)
    call push(v, n, -0.5d0)
    call push(v, n, 0.05d0)
    call push(v, n, 0.25d0)
    call push(v, n, 1.5d0)
    call push(v, n, -1.5d0)
    call push(v, n, 2.5d0)
    call push(v, n, 0.123456d0)
    call push(v, n, -0.123456d0)
    call push(v, n, -999d0)
    call push(v, n, -99999d0)
    call push(v, n, 99999d0)
    call push(v, n, 3600d0)
    call push(v, n, 86400.5d0)
    call push(v, n, -90.123456789d0)
    call push(v, n, 29.98765d0)
    call push(v, n, 9.99999999999999999d5)
    call push(v, n, nearest(1d0, -1d0))                ! 0.99999999999999989
    call push(v, n, nearest(1d0, 1d0))
    call push(v, n, nearest(10d0, -1d0))
    call push(v, n, nearest(1d6, -1d0))
    call push(v, n, 1d15)
    call push(v, n, nearest(1d15, -1d0))
    call push(v, n, 9999999999999998d0)                ! just below 1e16
    call push(v, n, nearest(1d16, -1d0))
    call push(v, n, 1d16)
    call push(v, n, nearest(1d16, 1d0))
    call push(v, n, -1d16)
    call push(v, n, 99999999999999984d0)               ! just below 1e17
    call push(v, n, 1d17)
    call push(v, n, nearest(1d17, 1d0))
    call push(v, n, 123456789012345678d0)
    call push(v, n, 999999999999999872d0)              ! just below 1e18
    call push(v, n, 1d18)
    call push(v, n, nearest(1d18, 1d0))
    call push(v, n, 1d100)
    call push(v, n, -1d100)
    call push(v, n, 1d-100)
    call push(v, n, 1d300)
    call push(v, n, -1d-300)
    call push(v, n, huge(1d0))
    call push(v, n, -huge(1d0))
    call push(v, n, tiny(1d0))
    call push(v, n, from_bits(1_8))                    ! smallest denormal
    call push(v, n, -from_bits(1_8))
    call push(v, n, from_bits(12345_8))                ! small denormal
    call push(v, n, from_bits(4503599627370495_8))     ! largest denormal
    call push(v, n, tiny(1d0) / 16d0)
    call push(v, n, ieee_value(1d0, ieee_positive_inf))
    call push(v, n, ieee_value(1d0, ieee_negative_inf))
    call push(v, n, ieee_value(1d0, ieee_quiet_nan))
  end subroutine push_specials

  ! ------------------------------------------------------------------
  ! listdirected_real8.txt   HEX|OUTPUT|
  ! ------------------------------------------------------------------
  subroutine gen_listdirected_real8()
    real(8), parameter :: mant(8) = [1.2345678901234567d0, 3.141592653589793d0, &
         2.718281828459045d0, 6.02214076d0, 9.87654321d0, 4.5d0, &
         7.777777777777777d0, 5.5555d0]
    real(8) :: v(600)
    integer :: n, k, f, u, i
    character(:), allocatable :: out

    n = 0
    call push_specials(v, n)
    ! every power of ten 1e-30 .. 1e30, both signs, and the value just below
    do k = -30, 30
      call push(v, n, 10d0**k)
      call push(v, n, -(10d0**k))
      if (mod(k, 3) == 0) call push(v, n, nearest(10d0**k, -1d0))
    end do
    ! two mantissas per decade, one positive and one negative
    do k = -30, 30
      call push(v, n, mant(mod(k + 30, 8) + 1) * 10d0**k)
      call push(v, n, -mant(mod(k + 33, 8) + 1) * 10d0**k)
    end do

    call open_out(f, 'listdirected_real8.txt')
    do i = 1, n
      call cap_open(u)
      write(u, *) v(i)
      call cap_close(u, out)
      call emit(f, hex(v(i)) // '|' // out // '|')
    end do
    close(f)
  end subroutine gen_listdirected_real8

  ! ------------------------------------------------------------------
  ! listdirected_int.txt   INT|OUTPUT|
  ! ------------------------------------------------------------------
  subroutine gen_listdirected_int()
    integer, parameter :: vals(*) = [0, 1, -1, 5, -5, 9, -9, 10, -10, 99, 100, &
         999, -999, 1000, 12345, 99999, -99999, 100000, 123456789, -123456789, &
         999999999, 1000000000, -1000000000, 2147483647, -2147483647, &
         -huge(0) - 1]
    integer :: f, u, i
    character(:), allocatable :: out

    call open_out(f, 'listdirected_int.txt')
    do i = 1, size(vals)
      call cap_open(u)
      write(u, *) vals(i)
      call cap_close(u, out)
      call emit(f, itoa(vals(i)) // '|' // out // '|')
    end do
    close(f)
  end subroutine gen_listdirected_int

  ! ------------------------------------------------------------------
  ! listdirected_mixed.txt   CASE|OUTPUT|
  ! Each case is one list-directed write statement; the CASE string
  ! describes the same items in order.
  ! ------------------------------------------------------------------
  subroutine gen_listdirected_mixed()
    integer :: f, u
    real(8) :: lat, lon, d, a, b
    character(:), allocatable :: out

    lat = -90.123456789d0
    lon = 29.98765d0
    d = 12.5d0
    a = 0.123456d0
    b = -1.5d0

    call open_out(f, 'listdirected_mixed.txt')

    call cap_open(u); write(u, *) 'abc', 'def'
    call cap_close(u, out); call emit(f, cT('abc') // ';' // cT('def') // '|' // out // '|')

    call cap_open(u); write(u, *) 'year ', 'month'
    call cap_close(u, out); call emit(f, cT('year ') // ';' // cT('month') // '|' // out // '|')

    call cap_open(u); write(u, *) 'count', 7
    call cap_close(u, out); call emit(f, cT('count') // ';' // cI(7) // '|' // out // '|')

    call cap_open(u); write(u, *) 'count ', -12345
    call cap_close(u, out); call emit(f, cT('count ') // ';' // cI(-12345) // '|' // out // '|')

    call cap_open(u); write(u, *) 42, 'items'
    call cap_close(u, out); call emit(f, cI(42) // ';' // cT('items') // '|' // out // '|')

    call cap_open(u); write(u, *) -3, ' items left'
    call cap_close(u, out); call emit(f, cI(-3) // ';' // cT(' items left') // '|' // out // '|')

    call cap_open(u); write(u, *) 'depth', d
    call cap_close(u, out); call emit(f, cT('depth') // ';' // cD(d) // '|' // out // '|')

    call cap_open(u); write(u, *) 'level = ', b
    call cap_close(u, out); call emit(f, cT('level = ') // ';' // cD(b) // '|' // out // '|')

    call cap_open(u); write(u, *) d, 'm'
    call cap_close(u, out); call emit(f, cD(d) // ';' // cT('m') // '|' // out // '|')

    call cap_open(u); write(u, *) lat, lon
    call cap_close(u, out); call emit(f, cD(lat) // ';' // cD(lon) // '|' // out // '|')

    call cap_open(u); write(u, *) a, b, 0d0
    call cap_close(u, out); call emit(f, cD(a) // ';' // cD(b) // ';' // cD(0d0) // '|' // out // '|')

    call cap_open(u); write(u, *) 1d-5, 1d20
    call cap_close(u, out); call emit(f, cD(1d-5) // ';' // cD(1d20) // '|' // out // '|')

    call cap_open(u); write(u, *) 1, 2
    call cap_close(u, out); call emit(f, cI(1) // ';' // cI(2) // '|' // out // '|')

    call cap_open(u); write(u, *) 2147483647, -2147483647, 0
    call cap_close(u, out)
    call emit(f, cI(2147483647) // ';' // cI(-2147483647) // ';' // cI(0) // '|' // out // '|')

    call cap_open(u); write(u, *) 3, d
    call cap_close(u, out); call emit(f, cI(3) // ';' // cD(d) // '|' // out // '|')

    call cap_open(u); write(u, *) d, 3
    call cap_close(u, out); call emit(f, cD(d) // ';' // cI(3) // '|' // out // '|')

    call cap_open(u); write(u, *) 'Station A', lat, lon
    call cap_close(u, out)
    call emit(f, cT('Station A') // ';' // cD(lat) // ';' // cD(lon) // '|' // out // '|')

    call cap_open(u); write(u, *) 'STA-0017  ', 45.5d0, -122.25d0
    call cap_close(u, out)
    call emit(f, cT('STA-0017  ') // ';' // cD(45.5d0) // ';' // cD(-122.25d0) // '|' // out // '|')

    call cap_open(u); write(u, *) 1234
    call cap_close(u, out); call emit(f, cI(1234) // '|' // out // '|')

    call cap_open(u); write(u, *) 0
    call cap_close(u, out); call emit(f, cI(0) // '|' // out // '|')

    call cap_open(u); write(u, *) 'Node ', 5, ' has depth ', d
    call cap_close(u, out)
    call emit(f, cT('Node ') // ';' // cI(5) // ';' // cT(' has depth ') // ';' // cD(d) // '|' // out // '|')

    call cap_open(u); write(u, *) 'Node ', 123456, ' has depth ', -0.75d0
    call cap_close(u, out)
    call emit(f, cT('Node ') // ';' // cI(123456) // ';' // cT(' has depth ') // ';' // cD(-0.75d0) &
         // '|' // out // '|')

    call cap_open(u); write(u, *) '  leading'
    call cap_close(u, out); call emit(f, cT('  leading') // '|' // out // '|')

    call cap_open(u); write(u, *) 'trailing   '
    call cap_close(u, out); call emit(f, cT('trailing   ') // '|' // out // '|')

    call cap_open(u); write(u, *) '  both  '
    call cap_close(u, out); call emit(f, cT('  both  ') // '|' // out // '|')

    call cap_open(u); write(u, *) ''
    call cap_close(u, out); call emit(f, cT('') // '|' // out // '|')

    call cap_open(u); write(u, *) '', 5
    call cap_close(u, out); call emit(f, cT('') // ';' // cI(5) // '|' // out // '|')

    call cap_open(u); write(u, *) 'a', '', 'b'
    call cap_close(u, out); call emit(f, cT('a') // ';' // cT('') // ';' // cT('b') // '|' // out // '|')

    call cap_open(u); write(u, *) ' '
    call cap_close(u, out); call emit(f, cT(' ') // '|' // out // '|')

    call cap_open(u); write(u, *) '% ', 'year ', 'month ', 'day ', 'hwm (m)'
    call cap_close(u, out)
    call emit(f, cT('% ') // ';' // cT('year ') // ';' // cT('month ') // ';' // cT('day ') // ';' &
         // cT('hwm (m)') // '|' // out // '|')

    call cap_open(u); write(u, *) '% ', 2024, 7, 15, 0.123456d0
    call cap_close(u, out)
    call emit(f, cT('% ') // ';' // cI(2024) // ';' // cI(7) // ';' // cI(15) // ';' &
         // cD(0.123456d0) // '|' // out // '|')

    call cap_open(u); write(u, *) 2024, 7, 15, -1.5d0
    call cap_close(u, out)
    call emit(f, cI(2024) // ';' // cI(7) // ';' // cI(15) // ';' // cD(-1.5d0) // '|' // out // '|')

    call cap_open(u); write(u, *) 'x', 'y', 1, 2, 1.25d0, 'z'
    call cap_close(u, out)
    call emit(f, cT('x') // ';' // cT('y') // ';' // cI(1) // ';' // cI(2) // ';' // cD(1.25d0) &
         // ';' // cT('z') // '|' // out // '|')

    call cap_open(u); write(u, *) -99999d0, -99999
    call cap_close(u, out); call emit(f, cD(-99999d0) // ';' // cI(-99999) // '|' // out // '|')

    call cap_open(u); write(u, *) 'time ', 86400.5d0, ' s'
    call cap_close(u, out)
    call emit(f, cT('time ') // ';' // cD(86400.5d0) // ';' // cT(' s') // '|' // out // '|')

    call cap_open(u); write(u, *) 0.1d0, 1d16, 1d-100
    call cap_close(u, out)
    call emit(f, cD(0.1d0) // ';' // cD(1d16) // ';' // cD(1d-100) // '|' // out // '|')

    call cap_open(u); write(u, *) 'Total nodes:', 100000
    call cap_close(u, out); call emit(f, cT('Total nodes:') // ';' // cI(100000) // '|' // out // '|')

    call cap_open(u); write(u, *) 'value', 'of', 'x', '=', 3600d0
    call cap_close(u, out)
    call emit(f, cT('value') // ';' // cT('of') // ';' // cT('x') // ';' // cT('=') // ';' &
         // cD(3600d0) // '|' // out // '|')

    call cap_open(u); write(u, *) -0.5d0, 'and', -5
    call cap_close(u, out)
    call emit(f, cD(-0.5d0) // ';' // cT('and') // ';' // cI(-5) // '|' // out // '|')

    call cap_open(u); write(u, *) 'A fairly long label with several words in it', 1
    call cap_close(u, out)
    call emit(f, cT('A fairly long label with several words in it') // ';' // cI(1) // '|' // out // '|')

    call cap_open(u); write(u, *) 1, 2, 3, 4, 5, 6, 7, 8, 9, 10
    call cap_close(u, out)
    call emit(f, cI(1) // ';' // cI(2) // ';' // cI(3) // ';' // cI(4) // ';' // cI(5) // ';' &
         // cI(6) // ';' // cI(7) // ';' // cI(8) // ';' // cI(9) // ';' // cI(10) // '|' // out // '|')

    close(f)
  end subroutine gen_listdirected_mixed

  ! ------------------------------------------------------------------
  ! edit_real8.txt   FMT|HEX|OUTPUT|
  ! Every value with every descriptor.
  ! ------------------------------------------------------------------
  subroutine gen_edit_real8()
    character(8), parameter :: fmts(*) = [character(8) :: '(f14.4)', '(f24.10)', &
         '(f10.4)', '(f7.3)', '(f7.4)', '(f8.2)', '(f5.1)', '(f4.1)', '(f3.1)', &
         '(f10.0)', '(e24.10)', '(E24.10)', '(e14.6)', '(E22.10)', '(e10.3)', &
         '(e8.1)', '(e9.2)', '(f12.6)']
    real(8) :: v(400)
    integer :: n, k, f, u, i, j
    character(:), allocatable :: out

    n = 0
    call push_specials(v, n)
    ! rounding ties and values that round to zero in a fixed field
    call push(v, n, 0.005d0)
    call push(v, n, 0.00005d0)
    call push(v, n, -0.00005d0)
    call push(v, n, 0.00015d0)
    call push(v, n, 0.125d0)
    call push(v, n, 0.0625d0)
    call push(v, n, 0.15d0)
    call push(v, n, 0.35d0)
    call push(v, n, 0.45d0)
    call push(v, n, 9.5d0)
    call push(v, n, 0.95d0)
    call push(v, n, 9.99995d0)
    call push(v, n, -9.99995d0)
    call push(v, n, 9.9995d0)
    call push(v, n, 99.995d0)
    call push(v, n, 0.99995d0)
    call push(v, n, 999.95d0)
    call push(v, n, 99.95d0)
    call push(v, n, -0.00001d0)
    call push(v, n, -0.0001d0)
    call push(v, n, -0.00004d0)
    call push(v, n, -0.00006d0)
    call push(v, n, -0.04d0)
    call push(v, n, -0.06d0)
    call push(v, n, 12345.678d0)
    call push(v, n, -12345.678d0)
    call push(v, n, 1234567.891d0)
    call push(v, n, 99999.99995d0)
    call push(v, n, 123456789012.5d0)
    ! powers of ten across 1e-30 .. 1e30
    do k = -30, 30
      call push(v, n, 10d0**k)
    end do
    ! negative powers and mantissas at a spread of decades
    do k = -12, 12, 3
      call push(v, n, -(10d0**k))
    end do
    do k = -10, 10, 2
      call push(v, n, 1.2345678901234567d0 * 10d0**k)
      call push(v, n, -9.87654321d0 * 10d0**k)
    end do

    call open_out(f, 'edit_real8.txt')
    do j = 1, size(fmts)
      do i = 1, n
        call cap_open(u)
        write(u, fmts(j)) v(i)
        call cap_close(u, out)
        call emit(f, trim(fmts(j)) // '|' // hex(v(i)) // '|' // out // '|')
      end do
    end do
    close(f)
  end subroutine gen_edit_real8

  ! ------------------------------------------------------------------
  ! edit_int.txt   FMT|INT|OUTPUT|
  ! ------------------------------------------------------------------
  subroutine gen_edit_int()
    character(6), parameter :: fmts(*) = [character(6) :: '(i1)', '(i2)', &
         '(i2.2)', '(i4.4)', '(i3)', '(i7)', '(i10)', '(i11)', '(i14)', '(i0)', &
         '(i5.3)', '(i3.0)']
    integer, parameter :: vals(*) = [0, 1, -1, 5, -5, 9, 10, -9, 12, 99, -99, &
         100, 123, -123, 999, 1000, -1000, 9999, 12345, 99999, -99999, &
         1234567, -1234567, 9999999, -999999, 10000000, 999999999, 1000000000, &
         -1000000000, 2147483647, -2147483647, -huge(0) - 1]
    integer :: f, u, i, j
    character(:), allocatable :: out

    call open_out(f, 'edit_int.txt')
    do j = 1, size(fmts)
      do i = 1, size(vals)
        call cap_open(u)
        write(u, fmts(j)) vals(i)
        call cap_close(u, out)
        call emit(f, trim(fmts(j)) // '|' // itoa(vals(i)) // '|' // out // '|')
      end do
    end do
    close(f)
  end subroutine gen_edit_int

  ! ------------------------------------------------------------------
  ! edit_mixed.txt   FMT|CASE|OUTPUT|
  ! Whole-format writes with several items; each case is one write.
  ! ------------------------------------------------------------------
  subroutine gen_edit_mixed()
    integer :: f, u
    character(:), allocatable :: out, fm
    real(8) :: d, e

    d = 12.5d0
    e = -90.123456789d0

    call open_out(f, 'edit_mixed.txt')

    fm = '(6i7,f14.4)'
    call cap_open(u); write(u, fm) 1, 22, 333, 4444, 55555, 666666, d
    call cap_close(u, out)
    call emit(f, fm // '|' // cI(1) // ';' // cI(22) // ';' // cI(333) // ';' // cI(4444) // ';' &
         // cI(55555) // ';' // cI(666666) // ';' // cD(d) // '|' // out // '|')

    call cap_open(u); write(u, fm) -1, 0, 7, -99999, 1234567, 12345678, -99999d0
    call cap_close(u, out)
    call emit(f, fm // '|' // cI(-1) // ';' // cI(0) // ';' // cI(7) // ';' // cI(-99999) // ';' &
         // cI(1234567) // ';' // cI(12345678) // ';' // cD(-99999d0) // '|' // out // '|')

    fm = '(6i7,i10)'
    call cap_open(u); write(u, fm) 1, 2, 3, 4, 5, 6, 123456789
    call cap_close(u, out)
    call emit(f, fm // '|' // cI(1) // ';' // cI(2) // ';' // cI(3) // ';' // cI(4) // ';' &
         // cI(5) // ';' // cI(6) // ';' // cI(123456789) // '|' // out // '|')

    fm = '(6i7,i14)'
    call cap_open(u); write(u, fm) 10, 20, 30, 40, 50, 60, -2147483647
    call cap_close(u, out)
    call emit(f, fm // '|' // cI(10) // ';' // cI(20) // ';' // cI(30) // ';' // cI(40) // ';' &
         // cI(50) // ';' // cI(60) // ';' // cI(-2147483647) // '|' // out // '|')

    fm = '(6i7,2f24.10)'
    call cap_open(u); write(u, fm) 1, 2, 3, 4, 5, 6, e, 29.98765d0
    call cap_close(u, out)
    call emit(f, fm // '|' // cI(1) // ';' // cI(2) // ';' // cI(3) // ';' // cI(4) // ';' &
         // cI(5) // ';' // cI(6) // ';' // cD(e) // ';' // cD(29.98765d0) // '|' // out // '|')

    fm = '(5I11,1x,A50)'
    call cap_open(u); write(u, fm) 1, -2, 30000, 400000, -2147483647, 'element label'
    call cap_close(u, out)
    call emit(f, fm // '|' // cI(1) // ';' // cI(-2) // ';' // cI(30000) // ';' // cI(400000) // ';' &
         // cI(-2147483647) // ';' // cT('element label') // '|' // out // '|')

    fm = '(a,i2.2,a)'
    call cap_open(u); write(u, fm) 'file_', 5, '.dat'
    call cap_close(u, out)
    call emit(f, fm // '|' // cT('file_') // ';' // cI(5) // ';' // cT('.dat') // '|' // out // '|')

    call cap_open(u); write(u, fm) 'hour ', 123, ' '
    call cap_close(u, out)
    call emit(f, fm // '|' // cT('hour ') // ';' // cI(123) // ';' // cT(' ') // '|' // out // '|')

    fm = '(3A10)'
    call cap_open(u); write(u, fm) 'short', 'exactlyten', 'muchlongerword'
    call cap_close(u, out)
    call emit(f, fm // '|' // cT('short') // ';' // cT('exactlyten') // ';' // cT('muchlongerword') &
         // '|' // out // '|')

    fm = '(a5)'
    call cap_open(u); write(u, fm) 'abcdefgh'
    call cap_close(u, out); call emit(f, fm // '|' // cT('abcdefgh') // '|' // out // '|')

    call cap_open(u); write(u, fm) 'ab'
    call cap_close(u, out); call emit(f, fm // '|' // cT('ab') // '|' // out // '|')

    fm = '(2x,a)'
    call cap_open(u); write(u, fm) 'indented text'
    call cap_close(u, out); call emit(f, fm // '|' // cT('indented text') // '|' // out // '|')

    fm = '(i10,1x,a)'
    call cap_open(u); write(u, fm) 42, 'nodes'
    call cap_close(u, out)
    call emit(f, fm // '|' // cI(42) // ';' // cT('nodes') // '|' // out // '|')

    fm = '(E24.10,2x,E24.10)'
    call cap_open(u); write(u, fm) e, 1d-5
    call cap_close(u, out)
    call emit(f, fm // '|' // cD(e) // ';' // cD(1d-5) // '|' // out // '|')

    call cap_open(u); write(u, fm) 0d0, 1d100
    call cap_close(u, out)
    call emit(f, fm // '|' // cD(0d0) // ';' // cD(1d100) // '|' // out // '|')

    fm = '(a,/,a)'
    call cap_open(u); write(u, fm) 'first line', 'second line'
    call cap_close(u, out)
    call emit(f, fm // '|' // cT('first line') // ';' // cT('second line') // '|' // out // '|')

    fm = '(i5,/,i5,/)'
    call cap_open(u); write(u, fm) 1, 2
    call cap_close(u, out)
    call emit(f, fm // '|' // cI(1) // ';' // cI(2) // '|' // out // '|')

    fm = '(2i5)'
    call cap_open(u); write(u, fm) 1, 2, 3, 4, 5
    call cap_close(u, out)
    call emit(f, fm // '|' // cI(1) // ';' // cI(2) // ';' // cI(3) // ';' // cI(4) // ';' &
         // cI(5) // '|' // out // '|')

    fm = '(a,5x)'
    call cap_open(u); write(u, fm) 'abc'
    call cap_close(u, out); call emit(f, fm // '|' // cT('abc') // '|' // out // '|')

    fm = '(a,t10,a)'
    call cap_open(u); write(u, fm) 'abc', 'xyz'
    call cap_close(u, out)
    call emit(f, fm // '|' // cT('abc') // ';' // cT('xyz') // '|' // out // '|')

    fm = '(a,i0,a)'
    call cap_open(u); write(u, fm) 'Node ', 12345, ' done'
    call cap_close(u, out)
    call emit(f, fm // '|' // cT('Node ') // ';' // cI(12345) // ';' // cT(' done') // '|' // out // '|')

    fm = '(''Node '',i5,'' depth '',f10.4)'
    call cap_open(u); write(u, fm) 17, d
    call cap_close(u, out)
    call emit(f, fm // '|' // cI(17) // ';' // cD(d) // '|' // out // '|')

    fm = '(3(i4,1x))'
    call cap_open(u); write(u, fm) 7, 8, 9
    call cap_close(u, out)
    call emit(f, fm // '|' // cI(7) // ';' // cI(8) // ';' // cI(9) // '|' // out // '|')

    fm = '(2f8.3)'
    call cap_open(u); write(u, fm) 0.0005d0, -0.0004d0
    call cap_close(u, out)
    call emit(f, fm // '|' // cD(0.0005d0) // ';' // cD(-0.0004d0) // '|' // out // '|')

    fm = '(a)'
    call cap_open(u); write(u, fm) ''
    call cap_close(u, out); call emit(f, fm // '|' // cT('') // '|' // out // '|')

    call cap_open(u); write(u, fm) '  padded  '
    call cap_close(u, out); call emit(f, fm // '|' // cT('  padded  ') // '|' // out // '|')

    fm = '(a10,f10.4)'
    call cap_open(u); write(u, fm) 'level', -1.5d0
    call cap_close(u, out)
    call emit(f, fm // '|' // cT('level') // ';' // cD(-1.5d0) // '|' // out // '|')

    fm = '(f7.3,1x,e10.3,1x,i3)'
    call cap_open(u); write(u, fm) 123456.789d0, 0.5d0, 1000
    call cap_close(u, out)
    call emit(f, fm // '|' // cD(123456.789d0) // ';' // cD(0.5d0) // ';' // cI(1000) // '|' // out // '|')

    close(f)
  end subroutine gen_edit_mixed

end program gen_vectors
